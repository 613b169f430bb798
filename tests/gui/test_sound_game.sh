#!/usr/bin/env bash
# Plays the real program to the end of a game with every sound on, through
# OpenAL's null output: it keeps running through the events of a whole game and
# prints nothing per sound.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
[ -f "$bin/sound/left1.WAV" ] && [ -f "$bin/sound/slowrays.wav" ] || fail "no sound folder beside the program"
export ALSOFT_DRIVERS=null
gui_main
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
wait_for 10 has_figure || fail "no falling figure on the board"
printed_at_start=$(wc -l <"$work/out.log")

# The name or game-over dialog carries the program's title too: a second such window ends the game.
dialog_up() { [ "$(xdotool search --onlyvisible --name '^Quarvex Zeb Ostrela$' 2>/dev/null | wc -l)" -ge 2 ]; }
drop_until_end() {
  kill -0 "$qpid" 2>/dev/null || fail "program ended during the game"
  dialog_up && return 0
  xdotool key Down Left Up Right
  return 1
}
wait_for 120 drop_until_end || fail "the game did not end"
kill -0 "$qpid" 2>/dev/null || fail "program ended at the end of the game"
lines=$(($(wc -l <"$work/out.log") - printed_at_start))
[ "$lines" -lt 3 ] || fail "program printed $lines lines while playing"
echo "gui sound game test passed"
