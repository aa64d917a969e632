#!/usr/bin/env bash
# Start-up to the first painted frame and peak memory: Литерон against a bare Qt window with a
# menu bar, built with the same flags, run alternately in one session.
#   bench/startup.sh [build-folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

measure() {  # prints "milliseconds peak_kib" for one run
    local start end peak
    start=$(date +%s%N)
    peak=$("$1" 2>/dev/null | awk '/peak_rss_kib/ {print $2}')
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $peak"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

: > /tmp/startup_literon.txt
: > /tmp/startup_bare.txt
for _ in $(seq "$runs"); do
    measure "$build/bench/startup_bare" >> /tmp/startup_bare.txt
    measure "$build/bench/startup_literon" >> /tmp/startup_literon.txt
done
lt=$(cut -d' ' -f1 /tmp/startup_literon.txt | median)
bt=$(cut -d' ' -f1 /tmp/startup_bare.txt | median)
lm=$(cut -d' ' -f2 /tmp/startup_literon.txt | median)
bm=$(cut -d' ' -f2 /tmp/startup_bare.txt | median)
echo "first frame (median of $runs): literon ${lt} ms, bare window ${bt} ms, ratio $(awk "BEGIN {printf \"%.2f\", $lt / $bt}")"
echo "peak memory (median of $runs): literon ${lm} KiB, bare window ${bm} KiB, ratio $(awk "BEGIN {printf \"%.2f\", $lm / $bm}")"
