#!/usr/bin/env bash
# The desktop round trips under openbox, which frames the shaped main window.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1" --wm
source "$(dirname "$0")/window_rounds.sh"
echo "gui openbox round trips passed"
