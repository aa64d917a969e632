#!/bin/sh
# The program's command line, in Russian: --help and --version answer and exit, an unknown
# option is refused with status 2, and without a screen to open on the program says so and
# exits with status 1 (never Qt's English abort).
#   tests/app/command_line.sh path/to/literon
set -u
literon=$1
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "command_line.sh: $*" >&2; cat "$out" "$err" >&2; exit 1; }

"$literon" --help > "$out" 2> "$err" || fail "--help exited with $?"
grep -q "^Использование: literon \[ПАРАМЕТРЫ\] \[ФАЙЛ.literon\]" "$out" || fail "--help"
grep -q -- "--fullscreen" "$out" || fail "--help lacks --fullscreen"

"$literon" --version > "$out" 2> "$err" || fail "--version exited with $?"
grep -qx "Литерон [0-9][0-9.]*" "$out" || fail "--version"

"$literon" --bogus > "$out" 2> "$err"
[ $? -eq 2 ] || fail "an unknown option did not exit with 2"
grep -q "неизвестный параметр «--bogus»" "$err" || fail "an unknown option"

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$literon" > "$out" 2> "$err"
[ $? -eq 1 ] || fail "no display: not status 1"
grep -q "нет графического экрана" "$err" || fail "no display: no Russian message"

# A display that is named but cannot be reached.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:7777 "$literon" > "$out" 2> "$err"
[ $? -eq 1 ] || fail "an unreachable display: not status 1"
grep -q "нет графического экрана" "$err" || fail "an unreachable display: no Russian message"
echo "the command line answers in Russian"
