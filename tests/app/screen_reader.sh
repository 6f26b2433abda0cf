#!/usr/bin/env bash
# The real program as a blind pupil hears it: Orca on an accessibility bus
# of its own, in a Russian session, speaking through speech-dispatcher. Its
# output module writes down every text it is given, after
# speech-dispatcher has turned the signs into words, and hands it to
# espeak-ng, whose sound goes nowhere. Runs under xvfb-run inside
# dbus-run-session.
# Usage: screen_reader.sh PROGRAM CASES
set -u
program=$(realpath "$1")
cases=$(realpath "$2")
checker=$(dirname "$(realpath "$0")")/screen_reader.py
# Orca speaks Russian in a Russian session only.
locale -a | grep -qix 'ru_RU.utf8' || { echo "no ru_RU.UTF-8 locale (localedef -i ru_RU -f UTF-8 ru_RU.UTF-8)" >&2; exit 1; }
# An empty folder: no settings file is read, no preferences of Orca's.
work=$(mktemp -d)
cd "$work" || exit 1
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/runtime"
export LANG=ru_RU.UTF-8 LANGUAGE=ru LC_ALL=ru_RU.UTF-8
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# libao's null driver is the silent sound sink the module's audio opens.
printf 'default_driver=null\nquiet\n' > "$HOME/.libao"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
LogLevel 2
LogDir "$work"
DefaultLanguage "ru"
SymbolsPreproc "char"
SymbolsPreprocFile "gender-neutral.dic"
SymbolsPreprocFile "font-variants.dic"
SymbolsPreprocFile "symbols.dic"
SymbolsPreprocFile "emojis.dic"
SymbolsPreprocFile "orca.dic"
SymbolsPreprocFile "orca-chars.dic"
AudioOutputMethod "libao"
AddModule "heard" "sd_generic" "heard.conf"
DefaultModule heard
CONF
cat > "$XDG_CONFIG_HOME/speech-dispatcher/modules/heard.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \'\$DATA\' >> $work/heard.txt; printf %s \'\$DATA\' | espeak-ng -v \$VOICE -q --stdin --stdout > /dev/null"
GenericLanguage "ru" "ru" "utf-8"
AddVoice "ru" "MALE1" "ru"
CONF
touch heard.txt orca.log
bus= orca= pid=
# SCREEN_READER_KEEP=FOLDER keeps what was heard and Orca's log there.
# Orca starts the speech server, which leaves its number here.
speechd="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
trap '[ -n "$pid" ] && kill "$pid"; [ -n "$orca" ] && kill "$orca"; [ -n "$bus" ] && kill "$bus"
    [ -s "$speechd" ] && kill "$(cat "$speechd")"
    [ -n "${SCREEN_READER_KEEP:-}" ] && cp heard.txt orca.log "$SCREEN_READER_KEEP"; rm -rf "$work"' EXIT
. "$(dirname "$checker")/a11y_bus.sh"
orca --replace --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca=$!
# The program starts once Orca has spoken its greeting: it hears the window
# open.
for _ in $(seq 200); do grep -q "SPEECH OUTPUT" orca.log && break; sleep 0.05; done
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Тамбрель$' windowfocus --sync >/dev/null
# Debian's own python.
/usr/bin/python3 "$checker" "$cases" "$work/heard.txt" "$work/orca.log"
