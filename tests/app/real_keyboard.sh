#!/usr/bin/env bash
# Types into the real program with real X key events, as a keyboard sends
# them, and reads the example back as a user can: Ctrl+A, Ctrl+C and the
# X clipboard. Runs under an X server (xvfb-run); one program a case.
# Usage: real_keyboard.sh PROGRAM CASES
set -u
program=$(realpath "$1")
cases=$(realpath "$2")
# An empty folder: no settings file is read.
work=$(mktemp -d)
cd "$work" || exit 1
pid=
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
passed=0
failed=0

# "type TEXT" types the text; "key K1 K2 …" presses xdotool's key names.
press() {
    local step
    IFS=';' read -ra steps <<< "$1"
    for step in "${steps[@]}"; do
        step=${step# }
        case $step in
            type\ *) xdotool type --delay 40 "${step#type }" ;;
            key\ *) read -ra names <<< "${step#key }"; xdotool key --delay 40 "${names[@]}" ;;
        esac
    done
}

trim() {
    local s=$1
    s=${s#"${s%%[![:space:]]*}"}
    printf '%s' "${s%"${s##*[![:space:]]}"}"
}

while IFS='|' read -r name keys expected; do
    case $name in '' | '#'*) continue ;; esac
    name=$(trim "$name"); keys=$(trim "$keys"); expected=$(trim "$expected")
    # What the program does not copy must not be read from the case before.
    printf '' | xclip -selection clipboard 2>/dev/null
    "$program" 2>/dev/null &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Тамбрель$' | head -n 1)
    xdotool windowfocus --sync "$window"
    press "$keys"
    xdotool key --delay 40 ctrl+a ctrl+c
    # The program reads its keys in its own time: wait for the copy.
    got=
    for _ in $(seq 50); do
        got=$(timeout 5 xclip -o -selection clipboard 2>/dev/null)
        [ -n "$got" ] && break
        sleep 0.1
    done
    kill "$pid"
    wait "$pid" 2>/dev/null
    if [ "$got" = "$expected" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL $name: keys «$keys» gave «$got», expected «$expected»"
    fi
done < "$cases"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
