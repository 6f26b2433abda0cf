#!/usr/bin/env bash
# Start-up of the window program under Xvfb: time from process start to the
# window drawn (the banner strip is drawn with it) and to the banner loaded,
# and the memory (PSS) of the whole process tree, the browser's processes
# apart. Median of several runs.
#   bench/web_startup.sh [build dir] [runs] [program]
# Uses build/app/tambrel, or the stand-in window tests/web/web_preview.
set -euo pipefail
build=${1:-build}
runs=${2:-5}
program=${3:-$build/app/tambrel}
[ -x "$program" ] || program=$build/tests/web/web_preview
[ -x "$program" ] || { echo "no program under $build" >&2; exit 1; }
program=$(readlink -f "$program")

if [ -z "${TAMBREL_BENCH_INNER:-}" ]; then
    export TAMBREL_BENCH_INNER=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs" "$program"
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/tambrel-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_LOGGING_RULES="tambrel.web.debug=true"
export QT_MESSAGE_PATTERN="%{time boot} %{message}"

uptime_now() { awk '{print $1}' /proc/uptime; }
pss_kb() { awk '/^Pss:/{print $2}' "/proc/$1/smaps_rollup" 2>/dev/null || echo 0; }
descendants() {
    local kids
    kids=$(ps -o pid= --ppid "$1" 2>/dev/null || true)
    for kid in $kids; do echo "$kid"; descendants "$kid"; done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/shown" ; : > "$work/loaded"; : > "$work/main"; : > "$work/browser"; : > "$work/before"
for run in $(seq "$runs"); do
    log=$work/log.$run
    start=$(uptime_now)
    (cd "$work" && exec "$program") > "$log" 2>&1 &
    pid=$!
    before=""
    for _ in $(seq 2000); do
        if [ -z "$before" ] && grep -q "banner panel drawn" "$log"; then before=$(pss_kb "$pid"); fi
        grep -q "banner loaded" "$log" && break
        sleep 0.005
    done
    sleep 1
    main=$(pss_kb "$pid")
    browser=0
    for kid in $(descendants "$pid"); do browser=$((browser + $(pss_kb "$kid"))); done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v s="$start" '/banner panel drawn/ {printf "%d\n", ($1 - s) * 1000; exit}' "$log" >> "$work/shown"
    awk -v s="$start" '/banner loaded/ {printf "%d\n", ($1 - s) * 1000; exit}' "$log" >> "$work/loaded"
    echo "$main" >> "$work/main"
    echo "$browser" >> "$work/browser"
    echo "${before:-0}" >> "$work/before"
done

echo "program: $program ($runs runs, medians; times from process start, 10 ms resolution)"
echo "window drawn:         $(median < "$work/shown") ms"
echo "banner loaded:        $(median < "$work/loaded") ms"
echo "main process PSS:     $(( $(median < "$work/before") / 1024 )) MB before the browser, $(( $(median < "$work/main") / 1024 )) MB with it"
echo "browser processes:    $(( $(median < "$work/browser") / 1024 )) MB PSS"
echo "whole tree:           $(( ($(median < "$work/main") + $(median < "$work/browser")) / 1024 )) MB PSS"
