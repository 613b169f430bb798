#!/usr/bin/env bash
# Runs the real program in a nested GNOME Wayland session (mutter with XWayland), with the
# variables such a session sets and no Qt platform chosen: the game must come up on the X
# display, with its windows at the places of the settings file, the main window shaped and
# every menu button taking clicks; Escape must leave no window of the game on screen, and
# the restore must bring back every side window that was shown.
set -euo pipefail
gui_session=gnome
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --gnome

# Places that leave room for GNOME's title bars (client areas, twips): the main window at
# 100, 100 pixels, the side windows in a column at 560 pixels.
name=$(uname -n | tr '/\\:*?"<>|' '_' | tr -d '\r\n')
printf '%s\r\n' 1500 1500 True 8400 6000 True 8400 3000 True 8400 1500 True 8400 4500 >"$bin/Qrvx$name.ini"
declare -A expected=(["Quarvex Zeb Ostrela"]="100 100" ["The Best Of The Quarvex"]="560 400"
                     [Statistic]="560 200" [Future]="560 100" ['\*\.mp3 & \*\.wma Player']="560 300")

gui_main   # found on the X display: the game chose its X11 platform
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} END {print x, y}'; }
declare -A id
for title in "${!expected[@]}"; do
  id[$title]=$(find_window "$title") || fail "\"$title\" is not shown"
  at() { [ "$(origin "${id[$title]}")" = "${expected[$title]}" ]; }
  wait_for 10 at || fail "\"$title\" stands at $(origin "${id[$title]}"), not at ${expected[$title]}"
done

# The shape: the client area's top left corner lies outside the rounded board panel, so the
# screen shows the desktop there, not the window's black; the menu's "Pause" shows its brown.
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
# On screen: mapped and not minimised (mutter keeps a minimised X window mapped, marked Iconic).
on_screen() { mapped "$1" && ! xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
shaped() {
  shot "$work/screen.png"
  [ "$(pixel "$work/screen.png" 101 101)" != "0,0,0" ] &&
    [ "$(pixel "$work/screen.png" $((100 + menu_x / 15 + 4)) $((100 + (menu_y + 240) / 15 + 8)))" = "128,64,0" ]
}
wait_for 10 shaped || fail "the main window is not shaped, or not drawn where it stands"

# "Best" hides and shows the records window: the menu strip takes clicks.
records=${id["The Best Of The Quarvex"]}
click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 600 + 120))
wait_for 10 sh -c "! xwininfo -id $records | grep -q IsViewable" || fail "\"Best\" took no click"
click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 600 + 120))
wait_for 10 mapped "$records" || fail "\"Best\" did not show the records window again"

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key Escape
for title in "${!id[@]}"; do
  gone() { ! on_screen "${id[$title]}"; }
  wait_for 10 gone || fail "\"$title\" stayed on screen after Escape"
done
# Restored from outside, as GNOME's overview or task bar does.
xdotool windowactivate "${id["Quarvex Zeb Ostrela"]}" 2>/dev/null || true
for title in "${!id[@]}"; do
  wait_for 10 on_screen "${id[$title]}" || fail "\"$title\" did not come back with the restore"
done
echo "gui GNOME session test passed"
