#!/usr/bin/env bash
# Times tambrel-solve on a file of 10 000 short examples.
# Usage: bench/console_batch.sh BUILD_DIR
set -euo pipefail
build=${1:-build}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
examples=("2+3*4" "2+3*(4-1)^2" "K(16)-2(3+1)" "5-2*(-3)" "1/3" "(1+2)*(3+4)" "7\\2" "5/0" "(2+3" "12-4*2")
for i in $(seq 1 1000); do printf '%s\n' "${examples[@]}"; done > "$input"
echo "$(wc -l < "$input") examples"
time "$build/console/tambrel-solve" < "$input" > /dev/null
