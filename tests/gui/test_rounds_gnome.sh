#!/usr/bin/env bash
# The desktop round trips in a GNOME Wayland session, whose window manager keeps tall title bars
# on screen and used to give withdrawn windows back a title bar higher.
set -euo pipefail
gui_session=gnome
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --gnome
source "$(dirname "$0")/window_rounds.sh"
echo "gui GNOME round trips passed"
