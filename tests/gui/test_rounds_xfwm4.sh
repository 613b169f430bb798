#!/usr/bin/env bash
# The desktop round trips under xfwm4, which leaves a shaped window unframed.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --wm=xfwm4
source "$(dirname "$0")/window_rounds.sh"
echo "gui xfwm4 round trips passed"
