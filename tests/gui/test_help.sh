#!/usr/bin/env bash
# Runs the real program under Xvfb and takes the help tour from the menu: the
# records page lights the records list, "Далее" lights the board and then the
# on-screen buttons, each restored as the tour moves on, and "Закрыть" ends the
# tour with nothing left lit.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
gui_main
# A fresh settings file shows the records window with the other side windows.
records=$(find_window "The Best Of The Quarvex") || fail "records window not shown"

# white_in WINDOW X Y W H: white pixels in a rectangle (pixels) of a window as the screen shows it.
white_in() {
  import -window "$1" -crop "$4x$5+$2+$3" +repage "$work/part.png"
  count_colour "$work/part.png" '#FFFFFF'
}
# The board, away from where the help window opens over the middle of the main window.
board_lit() { [ "$(white_in "$main" 36 20 60 150)" -gt 7000 ]; }
board_dark() { [ "$(white_in "$main" 36 20 60 150)" -lt 1500 ]; }
# The on-screen button frame, left of its buttons.
controls_lit() { [ "$(white_in "$main" 66 474 30 10)" -gt 250 ]; }
controls_dark() { [ "$(white_in "$main" 66 474 30 10)" -lt 50 ]; }
records_lit() { [ "$(white_in "$records" 10 10 60 60)" -gt 3000 ]; }
records_dark() { [ "$(white_in "$records" 10 10 60 60)" -lt 500 ]; }

click_twips "$main" $((menu_x + 600 + 300)) $((menu_y + 240 + 120))    # Help
# Each page shows the help window anew, unrolling from a bare strip to its full 2700-twip client area.
help=""
unrolled() {
  help=$(xdotool search --onlyvisible --name '^Справка$' 2>/dev/null | head -1 || true)
  [ -n "$help" ] || return 1
  [ "$(xdotool getwindowgeometry "$help" 2>/dev/null | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\)/\1/p')" -ge 180 ]
}
help_click() {
  wait_for 10 unrolled || fail "help window did not open and unroll"
  click_twips "$help" "$1" $((2400 + 126))
}
next_page() { help_click $((3480 - 240 - 666)); }                     # Далее

wait_for 10 records_lit || fail "records page does not light the records list"
board_dark || fail "board lit on the records page"
next_page
wait_for 10 board_lit || fail "second page does not light the board"
wait_for 10 records_dark || fail "records list not black again after its page"
next_page
wait_for 10 controls_lit || fail "third page does not light the on-screen buttons"
wait_for 10 board_dark || fail "board still white after its page"

help_click $((240 + 666))                                             # Закрыть
gone() { ! xdotool search --onlyvisible --name '^Справка$' >/dev/null 2>&1; }
wait_for 10 gone || fail "help window still open after Закрыть"
wait_for 10 controls_dark || fail "on-screen buttons still white after the tour"
board_dark || fail "board white after the tour"

click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
gui_stop_program
echo "gui help test passed"
