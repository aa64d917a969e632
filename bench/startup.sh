#!/usr/bin/env bash
# Start-up to the first painted frame and peak memory: Литерон against a bare Qt window with a
# menu bar, built with the same flags, run alternately in one session. The time is measured inside
# each program, from the moment it was started to its first painted frame (bench/app/FirstFrame.h);
# its way out is not counted.
#   bench/startup.sh [build-folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# A journal of its own, so that no work left by a lesson is offered at start.
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
export XDG_DATA_HOME=$data

measure() {  # prints "milliseconds peak_kib" for one run
    local out
    out=$(LITERON_START_NS=$(date +%s%N) "$1" 2>/dev/null)
    # Each run must have painted its frame and measured it.
    echo "$out" | grep -q '^first_frame_us [0-9]' || { echo "startup.sh: $1 painted no frame" >&2; exit 1; }
    echo "$(echo "$out" | awk '/first_frame_us/ {printf "%.1f", $2 / 1000}') \
$(echo "$out" | awk '/peak_rss_kib/ {print $2}')"
}

median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}'; }

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
