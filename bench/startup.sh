#!/usr/bin/env bash
# Start-up of the window program under Xvfb: time from process start until
# its window is mapped and until it has painted, and its resident memory.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/startup_probe" "$here/startup_probe.c" -lxcb
# An empty folder: no settings file is read, none is written.
cd "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    for i in $(seq 1 '"$runs"'); do "'"$work"'/startup_probe" "'"$build"'/app/tambrel"; done' |
    sort -n -k2 | awk '
    { mapped[NR] = $1; painted[NR] = $2; rss[NR] = $3; pss[NR] = $4 }
    END {
        m = int((NR + 1) / 2)
        printf "runs: %d (median run shown)\n", NR
        printf "window mapped after %.1f ms\n", mapped[m]
        printf "window painted after %.1f ms (fastest %.1f, slowest %.1f)\n", painted[m], painted[1], painted[NR]
        printf "resident memory: %.1f MB RSS, %.1f MB PSS\n", rss[m] / 1024, pss[m] / 1024
    }'
