# Installs the Debian packages named in "$@" that are missing (as root).
# Sourced by the run and test scripts.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Не хватает пакетов: ${missing[*]}. Запустите от имени root или установите их." >&2
        return 1
    fi
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

BUILD_PACKAGES=(cmake g++ make libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-qpa-plugins liblitehtml-dev
    fonts-dejavu-core fonts-liberation2 xdg-utils xvfb xauth
    qt6-translations-l10n)

# Installs, for each "command:package" in "$@" whose command is missing, the
# Debian package that provides it; a command already there, from whatever
# package, is left alone (Debian's npm beside another node would clash).
install_commands() {
    local packages=()
    for pair in "$@"; do
        command -v "${pair%%:*}" > /dev/null || packages+=("${pair#*:}")
    done
    install_missing "${packages[@]}"
}
