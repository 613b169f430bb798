#!/usr/bin/env bash
# The desktop round trips in a GNOME Wayland session (mutter with XWayland), with the variables such
# a session sets and no Qt platform chosen; mutter keeps tall title bars on screen and used to give
# withdrawn windows back a title bar higher. The game must come up on the X display with its main
# window shaped.
set -euo pipefail
gui_session=gnome
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --gnome
source "$(dirname "$0")/window_rounds.sh"
# The shape: beside the rounded board panel, the client area's top left corner shows the desktop,
# not the window's black.
read -r x y _ < <(client "$main")
shaped() { main_drawn && [ "$(pixel "$work/main.png" $((x + 1)) $((y + 1)))" != "0,0,0" ]; }
wait_for 10 shaped || fail "the main window is not shaped, or not drawn where it stands"
echo "gui GNOME session test passed"
