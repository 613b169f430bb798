#!/usr/bin/env bash
# Starts the real program twice under Xvfb with a window manager in a temporary copy
# of its folder. The first start finds no settings file, writes the fresh one and
# shows all four side windows; the statistics window is hidden with "Stat", the
# future window moved, and "Exit" writes the file. The second start keeps the
# statistics window hidden and opens the future window where it was left.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --wm
gui_main
for title in "The Best Of The Quarvex" "Statistic" "Future" '\*\.mp3 & \*\.wma Player'; do
  find_window "$title" >/dev/null || fail "a fresh settings file does not show \"$title\""
done

# The file's name carries the computer's name, so it is found by its pattern.
settings_file() { ls "$bin"/Qrvx*.ini 2>/dev/null | head -1; }
line_count() { tr -cd '\n' <"$(settings_file)" | wc -c; }
[ -n "$(settings_file)" ] || fail "no settings file written at the first start"
[ "$(line_count)" -eq 66 ] || fail "the fresh settings file has $(line_count) lines, not 66"

click_twips "$main" $((menu_x + 1800 + 300)) $((menu_y + 600 + 120))   # Stat
visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Statistic\$" >/dev/null 2>&1' ||
  fail "Stat did not hide the statistics window"

future=$(find_window "Future")
place() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*,[0-9]*\).*/\1/p'; }
first=$(place "$future")
xdotool windowmove "$future" 140 610
moved() { [ "$(place "$future")" != "$first" ]; }
wait_for 10 moved || fail "the future window did not move"
left_at=$(place "$future")

click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
gui_stop_program
[ "$(line_count)" -eq 64 ] || fail "with the statistics window hidden the file has $(line_count) lines, not 64"
[ "$(sed -n 6p "$(settings_file)" | tr -d '\r')" = False ] || fail "line 6 does not say the statistics window is hidden"

gui_launch
main=$(find_window "Quarvex Zeb Ostrela") || fail "main window did not appear at the second start"
future=$(find_window "Future") || fail "future window not shown at the second start"
find_window "The Best Of The Quarvex" >/dev/null || fail "records window not shown at the second start"
find_window '\*\.mp3 & \*\.wma Player' >/dev/null || fail "player window not shown at the second start"
back() { [ "$(place "$future")" = "$left_at" ]; }
wait_for 10 back || fail "the future window opened at $(place "$future"), not where it was left ($left_at)"
visible Statistic && fail "the statistics window came back although it was hidden at the close"
echo "gui settings test passed"
