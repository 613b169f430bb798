#!/usr/bin/env bash
# Starts the real program under Xvfb in a temporary copy of its folder, sees the
# side windows that a fresh settings file opens, moves and drops a figure with the keys, checks the
# screen, leaves with "Exit" and checks the records file written beside it.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
gui_main

find_window "The Best Of The Quarvex" >/dev/null || fail "records window not shown"
find_window "Statistic" >/dev/null || fail "statistics window not shown"
find_window "Future" >/dev/null || fail "future window not shown"

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
wait_for 10 has_figure || fail "no falling figure on the board"
cp "$work/board.png" "$work/before.png"
x_before=$(left_edge "$work/before.png" '#00FFFF')
yellow_before=$(count_colour "$work/before.png" '#FFFF00')

for _ in 1 2 3; do xdotool key Left; done
moved_left() { board_shot "$work/moved.png"; [ "$(left_edge "$work/moved.png" '#00FFFF')" -lt "$x_before" ]; }
wait_for 10 moved_left || fail "figure did not move left from $x_before"

xdotool key Down
landed() { board_shot "$work/landed.png"; [ "$(count_colour "$work/landed.png" '#FFFF00')" -gt $((yellow_before + 20)) ]; }
wait_for 15 landed || fail "no landed cells after the drop"

click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
gui_stop_program

records="$bin/QuarvexFathers.txt"
[ -f "$records" ] || fail "records file not written"
grep -q '^Pelko' "$records" || fail "records file lacks Pelko"
grep -q '^ *0 *' "$records" || fail "records file lacks the score 0"
echo "gui play test passed"
