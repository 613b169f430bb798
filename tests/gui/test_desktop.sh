#!/usr/bin/env bash
# Runs the real program under Xvfb with a window manager (openbox), as on a player's
# desktop: the splash must show its title before the main window, the menu buttons
# must show their designed colours and a ticked button must look different, and
# minimising with Escape then restoring must bring back only the side windows that
# were shown.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --wm
title="Quarvex Zeb Ostrela"
# Where the window's client area lies on the screen.
origin() { xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print "X=" x " Y=" y}'; }

# The splash stands until the clock's second changes: starting just after a change
# gives it most of a second on screen.
launch_after_second_change() {
  local s; s=$(date +%s)
  wait_for 3 sh -c "[ \$(date +%s) != $s ]" || true
  gui_launch
}
splash_id() {
  local id
  for id in $(xdotool search --onlyvisible --class quarvex 2>/dev/null || true); do
    xdotool getwindowgeometry "$id" 2>/dev/null | grep -q 'Geometry: 520x240' && { echo "$id"; return 0; }
  done
  return 1
}
# The title label lies at 2400, 480 twips in the splash: painted, it shows dark text on a
# light face; a splash that was never painted is black there.
title_painted() {
  local png="$work/splash.png" x y
  eval "$(origin "$1")"
  x=$((X + 160)); y=$((Y + 32))
  convert "$png" -crop 340x36+$x+$y +repage "$work/title.png"
  local lit; lit=$(convert "$work/title.png" -fill white +opaque '#000000' -format '%[fx:round(mean*w*h)]' info:)
  [ "$lit" -gt $((340 * 36 / 2)) ] && [ "$lit" -lt $((340 * 36 - 40)) ]
}
# Freezes the program for each look so that the splash cannot vanish mid-shot.
watch_splash() {
  local seen=0 id
  for _ in $(seq 100); do
    if id=$(splash_id); then
      seen=1
      kill -STOP "$qpid"; shot "$work/splash.png" || true; kill -CONT "$qpid"
      title_painted "$id" && { echo painted; return 0; }
    elif [ "$seen" = 1 ] || xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; then
      break
    fi
    sleep 0.05
  done
  [ "$seen" = 1 ] && echo black || echo missed
}
splash=missed
for _ in 1 2 3 4 5; do
  launch_after_second_change
  splash=$(watch_splash)
  [ "$splash" = painted ] && break
  kill "$qpid"; wait "$qpid" 2>/dev/null || true
done
[ "$splash" = painted ] || fail "splash title not painted ($splash)"

main=$(find_window "$title") || fail "main window did not appear"
eval "$(origin "$main")"
# Menu buttons in screen pixels: "Pause" at 0, 240 and "Best" at 1200, 600 twips in the menu frame.
pause_x=$((X + (menu_x) / 15 + 4)); pause_y=$((Y + (menu_y + 240) / 15 + 8))
best_x=$((X + (menu_x + 1200) / 15)); best_y=$((Y + (menu_y + 600) / 15))
# A fresh settings file shows every side window: "Best" is ticked at first.
find_window "The Best Of The Quarvex" >/dev/null || fail "records window not shown at the start"
click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 600 + 120))   # Best off
wait_for 5 sh -c '! xdotool search --onlyvisible --name "^The Best Of The Quarvex\$" >/dev/null 2>&1' ||
  fail "Best did not hide the records window"
# The pointer leaves the menu, so the shots show the buttons as they rest.
xdotool mousemove 1 1
unticked_shown() {
  shot "$work/menu.png"
  convert "$work/menu.png" -crop 41x17+$best_x+$best_y +repage "$work/best_off.png"
  [ "$(pixel "$work/menu.png" "$pause_x" "$pause_y")" = "128,64,0" ]
}
wait_for 5 unticked_shown || fail "Pause face is not brown"
[ "$(pixel "$work/menu.png" $((best_x + 4)) $((best_y + 8)))" = "0,0,0" ] || fail "Best face is not black"

click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 600 + 120))   # Best on
find_window "The Best Of The Quarvex" >/dev/null || fail "records window not shown"
xdotool mousemove 1 1
ticked_differs() {
  shot "$work/ticked.png"
  convert "$work/ticked.png" -crop 41x17+$best_x+$best_y +repage "$work/best_on.png"
  [ "$(compare -metric AE "$work/best_off.png" "$work/best_on.png" null: 2>&1 || true)" -gt 20 ]
}
wait_for 5 ticked_differs || fail "a ticked Best looks like an unticked one"
[ "$(pixel "$work/ticked.png" $((best_x + 4)) $((best_y + 8)))" = "0,0,0" ] || fail "ticked Best face is not black"

# Statistics and future windows, shown by the settings file, hidden with their buttons: they must stay hidden.
for b in 1800 600; do
  click_twips "$main" $((menu_x + b + 300)) $((menu_y + 600 + 120))
done
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
id_of() { xwininfo -root -tree | grep "\"$1\": (\"quarvex\"" | awk '{print $1}' | head -1; }
rec=$(id_of "The Best Of The Quarvex"); stat=$(id_of Statistic); fut=$(id_of Future)
[ -n "$rec" ] && [ -n "$stat" ] && [ -n "$fut" ] || fail "side windows not found in the window tree"
wait_for 5 sh -c "! xwininfo -id $stat | grep -q IsViewable && ! xwininfo -id $fut | grep -q IsViewable" ||
  fail "statistics or future window still shown after its button was unticked"

xdotool windowactivate --sync "$main" 2>/dev/null || true
xdotool key Escape
wait_for 5 sh -c "! xwininfo -id $main | grep -q IsViewable" || fail "Escape did not minimise"
mapped "$rec" && fail "records window stayed on screen"
# Restored from outside, as a task bar does; Escape then resumes the game.
xdotool windowactivate "$main" 2>/dev/null || xdotool windowmap "$main"
wait_for 5 mapped "$main" || xdotool windowmap "$main"
wait_for 5 mapped "$main" || fail "main window not restored"
wait_for 5 mapped "$rec" || fail "records window not restored with the main window"
for id in "$stat" "$fut"; do
  mapped "$id" && fail "a hidden side window came back with the main window"
done
echo "gui desktop test passed"
