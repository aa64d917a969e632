#!/usr/bin/env bash
# A pupil's three graphs survive the end of the program: the real program on a real X screen,
# played with xdotool. The pupil begins "П" in Function mode and builds three graphs; the program
# is killed with SIGKILL (or left with "Выход"); started again, it offers the work, and one click
# on "Продолжить работу" brings the three graphs back. The script waits on what the program writes
# to its journal, never on the clock; each wait gives up after a generous limit.
# Usage (under xvfb-run): recovery.sh path/to/literon kill|exit
set -euo pipefail
literon=$1
ending=$2
home=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=xcb
journal="$XDG_DATA_HOME/Литерон/journal"

# Waits until the command succeeds (at most 120 s of polling).
wait_for() {
  for _ in $(seq 1 1200); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "recovery.sh: gave up waiting for: $*" >&2
  return 1
}

# The graphs of the newest work in the journal.
newest_graphs() {
  local f
  f=$(ls "$journal"/works/*.literon 2>/dev/null | sort | tail -1)
  [ -n "$f" ] && sed -n 's/^graphs: //p' "$f" || echo 0
}
has_graphs() { [ "$(newest_graphs)" = "$1" ]; }
session_says() { grep -qx "$1" "$journal/session" 2>/dev/null; }

start() {
  "$literon" &
  pid=$!
  wait_for xdotool search --onlyvisible --name '^Литерон$' > /dev/null
  window=$(xdotool search --onlyvisible --name '^Литерон$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The client surface is the window's lowest 731 pixels, under the menu bar.
  left=$X
  top=$((Y + HEIGHT - 731))
}
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; }
type_and_enter() { xdotool type --delay 20 "$1"; xdotool key Return; }

start
click 926 426  # "Старт программы"
click 527 64   # "Ввод ФУНКЦИЙ"
click 892 628  # the letter key "П"
click 350 141  # the first edit box
type_and_enter 0
type_and_enter x
type_and_enter 0
type_and_enter 3
click 336 439  # "Построить график"
wait_for has_graphs 1
for x in 2 x/1.5; do
  click 350 141
  xdotool key ctrl+a
  xdotool type --delay 20 "$x"
  click 336 439
  wait_for has_graphs "$(( $(newest_graphs) + 1 ))"
done
wait_for has_graphs 3

if [ "$ending" = kill ]; then
  kill -9 "$pid"
else
  click 1161 656  # "Выход"
fi
wait "$pid" || true

start
# The offer is made once the new session has begun its record.
wait_for session_says "saved: 1"
before=$(ls "$journal"/works | wc -l)
click 171 514  # "Продолжить работу"
wait_for session_says "saved: 0"
wait_for has_graphs 3
[ "$(ls "$journal"/works | wc -l)" = "$before" ]  # the same work again, kept once
kill "$pid"
echo "recovery after $ending: the three graphs came back"
