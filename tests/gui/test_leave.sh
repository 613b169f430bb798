#!/usr/bin/env bash
# Under openbox, a game played by keys pauses as soon as another program's window (an xmessage)
# is activated: the figure stops, "Pause" is ticked and the pause label shows, and no window is
# minimised. Activating the game again leaves it paused; Escape resumes it. With the demo on,
# leaving does not pause.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --wm
gui_main
xdotool windowactivate --sync "$main"
wait_for 10 has_figure || fail "no falling figure on the board"

# The main window's client area; the pause label lies under the control frame at 960, 7080
# twips, the "Pause" button at 3360, 7160 twips.
client_shot() {
  local x y
  read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
  shot "$work/screen.png"
  convert "$work/screen.png" -crop "449x590+$x+$y" +repage "$1"
}
part() { convert "$1" -crop "$2" +repage "$work/part.png"; count_colour "$work/part.png" "$3"; }
paused() { client_shot "$work/c.png"; [ "$(part "$work/c.png" 113x41+64+472 '#FF8000')" -gt 20 ]; }
running() { client_shot "$work/c.png"; [ "$(part "$work/c.png" 113x41+64+472 '#FF8000')" = 0 ]; }
# A ticked button shows a frame in its text colour around the caption.
pause_ink() { part "$1" 41x17+224+477 '#C0FFFF'; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }

client_shot "$work/playing.png"
ink_playing=$(pause_ink "$work/playing.png")
xmessage -geometry +700+40 "elsewhere" >/dev/null 2>&1 &
away=$(find_window xmessage) || fail "no other program's window"
xdotool windowactivate --sync "$away"
wait_for 10 paused || fail "leaving to another program did not pause"
cp "$work/c.png" "$work/left.png"
[ "$(pause_ink "$work/left.png")" -gt $((ink_playing + 40)) ] || fail "\"Pause\" is not ticked"
xwininfo -id "$main" | grep -q 'Map State: IsViewable' || fail "the main window was minimised"

# Back in the game: a key sent after the activation arrives after it, and finds the game paused.
xdotool windowactivate --sync "$main"
wait_for 10 active "$main" || fail "the game was not activated again"
board_shot "$work/board_left.png"
xdotool key Left
paused || fail "coming back resumed the game"
board_shot "$work/board_back.png"
[ "$(compare -metric AE "$work/board_left.png" "$work/board_back.png" null: 2>&1)" = 0 ] ||
  fail "the figure moved while paused"

xdotool key Escape
wait_for 10 running || fail "Escape did not resume the game"
x_before=$(left_edge "$work/board_back.png" '#00FFFF')
moved() { xdotool key Left; board_shot "$work/moved.png"; [ "$(left_edge "$work/moved.png" '#00FFFF')" -lt "$x_before" ]; }
wait_for 10 moved || fail "keys do not move the figure after Escape"

# The demo plays on while the player is away. The demo moves the figure every 0.4 s or so;
# six changes of the board seen after the leave outlast any confirmation of the leave.
click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 240 + 120))   # Demo
xdotool windowactivate --sync "$away"
wait_for 10 active "$away" || fail "the other program was not activated"
board_shot "$work/last.png"
changed() { board_shot "$work/now.png"; ! compare -metric AE "$work/last.png" "$work/now.png" null: 2>/dev/null && cp "$work/now.png" "$work/last.png"; }
for _ in 1 2 3 4 5 6; do wait_for 20 changed || fail "the demo stopped while the player was away"; done
running || fail "leaving paused the demo"
active "$away" || fail "the other program lost the focus"
echo "gui leave test passed"
