#!/usr/bin/env bash
# Start-up of the window program under Xvfb: time from process start until
# its window is mapped and until the banner shows in it, then, two seconds
# after the start, the number of processes and the memory of the whole
# program. Median of several runs.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
runs=${2:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/startup_probe" "$here/startup_probe.c" -lxcb
# An empty folder: no settings file is read, none is written.
cd "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    for i in $(seq 1 '"$runs"'); do "'"$work"'/startup_probe" "'"$build"'/app/tambrel"; done' |
    awk '
    function median(a, n,   i, j, t) {
        for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return a[int((n + 1) / 2)]
    }
    { mapped[NR] = $1; banner[NR] = $2; procs[NR] = $3; rss[NR] = $4; pss[NR] = $5; if ($2 < 0) missed++ }
    END {
        printf "runs: %d (medians)\n", NR
        printf "window mapped after %.1f ms\n", median(mapped, NR)
        printf "banner drawn after %.1f ms (runs where it did not show within 2 s: %d)\n", median(banner, NR), missed
        printf "after 2 s: %d process(es), main process %.1f MB RSS, whole program %.1f MB PSS\n",
            median(procs, NR), median(rss, NR) / 1024, median(pss, NR) / 1024
    }'
