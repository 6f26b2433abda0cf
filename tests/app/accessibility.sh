#!/usr/bin/env bash
# The real program as a screen reader meets it: the accessibility bus of a
# session of its own, the program on an X server, the cases read through
# AT-SPI. Runs under xvfb-run inside dbus-run-session.
# Usage: accessibility.sh PROGRAM CASES
set -u
program=$(realpath "$1")
cases=$(realpath "$2")
checker=$(dirname "$(realpath "$0")")/accessibility.py
# An empty folder: no settings file is read.
work=$(mktemp -d)
cd "$work" || exit 1
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
bus=
pid=
trap '[ -n "$pid" ] && kill "$pid"; [ -n "$bus" ] && kill "$bus"; rm -rf "$work"' EXIT
. "$(dirname "$checker")/a11y_bus.sh"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Тамбрель$' >/dev/null
# Debian's own python has the introspection bindings.
/usr/bin/python3 "$checker" "$cases"
