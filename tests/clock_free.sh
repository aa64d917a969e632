#!/bin/sh
# No test program decides anything by the clock: a test that waits, times or compares durations
# passes on a quiet machine and fails on a busy one. The window's timers are ticked by the tests
# themselves (pacing::tick), pauses are off, and compile cost is counted in work, not time.
# A line may read the clock only to print a figure, and says so with "clock: printed only".
#   tests/clock_free.sh SOURCE_ROOT
set -eu
root=${1:-$(dirname "$0")/..}
pattern='std::chrono|steady_clock|system_clock|high_resolution_clock|std::clock|clock\(\)|CLOCKS_PER_SEC'
pattern="$pattern"'|clock_gettime|gettimeofday|QElapsedTimer|QDeadlineTimer|QDateTime::current|QTime::current'
pattern="$pattern"'|qWait|qSleep|QTRY_|usleep|sleep_for|sleep_until|setInterval|singleShot\([1-9]'
hits=$(grep -rnE "$pattern" "$root/tests" "$root/fuzz" --include='*.cpp' --include='*.h' \
    | grep -v 'clock: printed only' || true)
if [ -n "$hits" ]; then
    echo "These lines of the tests read the clock or wait for it:"
    echo "$hits"
    exit 1
fi
echo "no test program reads the clock for a decision"
