#!/usr/bin/env bash
# Runs the real program under Xvfb, opens the settings window with "Set", switches
# the phantom to "Показывать всегда" and ticks "Убрать" under "Сетка", closes with
# "OK": the board is redrawn without its grid lines, and the settings file written
# at exit holds both changes.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
gui_main

# grid_pixels: pixels of the board in either grid colour, as the screen shows them.
grid_pixels() {
  import -window "$main" -crop 240x500+10+10 +repage "$work/board.png"
  echo $(( $(count_colour "$work/board.png" '#C8C8DC') + $(count_colour "$work/board.png" '#AFAFDC') ))
}
has_grid() { [ "$(grid_pixels)" -gt 200 ]; }
no_grid() { [ "$(grid_pixels)" -eq 0 ]; }
wait_for 10 has_grid || fail "the board shows no grid at the start"

click_twips "$main" $((menu_x + 1800 + 300)) $((menu_y + 240 + 120))    # Set
settings=$(find_window "Settings") || fail "settings window did not open"
# Places in the settings window, in twips: frame + control + a point inside its caption.
click_twips "$settings" $((4320 + 120 + 600)) $((900 + 300 + 127))     # Фантом: Показывать всегда
click_twips "$settings" $((4320 + 120 + 300)) $((120 + 300 + 142))     # Сетка: Убрать
click_twips "$settings" $((8160 + 600)) $((6120 + 187))                # OK
gone() { ! xdotool search --onlyvisible --name '^Settings$' >/dev/null 2>&1; }
wait_for 10 gone || fail "settings window still open after OK"
wait_for 10 no_grid || fail "the board still shows grid lines after the grid was removed"

click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
gui_stop_program
file=$(ls "$bin"/Qrvx*.ini | head -1)
[ "$(tail -2 "$file" | tr -d '\r' | head -1)" = " 2 " ] || fail "phantom mode not stored as 2"
[ "$(tail -1 "$file" | tr -d '\r')" = "False" ] || fail "grid not stored as off"
echo "gui settings window test passed"
