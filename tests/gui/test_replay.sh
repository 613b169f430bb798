#!/usr/bin/env bash
# Plays a short game by hand in the real program (moves, a turn, an inversion, a pause, drops, the
# demo playing along) and enters it in the table; checks its replay without windows against the
# table's score; starts the program again, watches the game from the records window and compares
# the statistics list and the board at its end with the game's own; then plays on and checks that
# watching changed neither the records file, the settings file nor the replay.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
export ALSOFT_DRIVERS=null

# The end of a game as the player sees it: the statistics list and the board's left side, which
# the end-of-game dialogs leave uncovered.
end_shots() {
  import -window "$(find_window Statistic)" "$work/$1-stat.png"
  board_shot "$work/$1-board.png"
  convert "$work/$1-board.png" -crop 110x440+0+0 +repage "$work/$1-board.png"
}
same_png() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]; }

gui_main
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
wait_for 10 has_figure || fail "no falling figure on the board"
click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 240 + 120))   # Demo: it plays along
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key Left Left Up space Right
xdotool key Escape
wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Statistic\$' >/dev/null 2>&1" || fail "Escape did not pause"
xdotool key Escape
find_window Statistic >/dev/null || fail "the side windows did not come back after the pause"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
ended=""
for _ in $(seq 600); do
  dialog "$name_width" >/dev/null && { ended=1; break; }
  kill -0 "$qpid" 2>/dev/null || fail "program ended during the game"
  xdotool key Down
  sleep 0.1
done
[ -n "$ended" ] || fail "the game did not end with a name dialog"
end_shots played
ask=$(dialog "$name_width")
xdotool windowfocus --sync "$ask"
xdotool key ctrl+a
xdotool type Tester
xdotool key Return
wait_for 15 dialog "$over_width" >/dev/null || fail "no game-over dialog"
click_twips "$(dialog "$over_width")" $((1455 + 487)) $((855 + 187))   # "Нет"
gui_stop_program

replay=$(ls "$bin"/replays/*.qvr)
[ "$(echo "$replay" | wc -l)" = 1 ] || fail "expected one replay, found: $replay"
[ -z "${QUARVEX_KEEP_REPLAY:-}" ] || cp "$replay" "$QUARVEX_KEEP_REPLAY"
table_score=$(sed -n '/^Tester\r\?$/{n;p;q}' "$bin/QuarvexFathers.txt" | tr -d ' \r')
checked=$("$bin/quarvex" --check-replay "$replay") || fail "the replay does not check: $checked"
[ "$(echo "$checked" | sed -n 's/^score //p')" = "$table_score" ] ||
  fail "the replay's score is not the table's $table_score: $checked"
! err=$("$bin/quarvex" --check-replay "$bin/QuarvexFathers.txt" 2>&1) || fail "a records file checks as a replay"
echo "$err" | grep -q 'не запись игры' || fail "no clear message for a file that is no replay: $err"
settings=$(ls "$bin"/Qrvx*.ini)
for f in "$bin/QuarvexFathers.txt" "$settings" "$replay"; do cp "$f" "$work/before.$(basename "$f")"; done

gui_main
records=$(find_window "The Best Of The Quarvex") || fail "records window not shown"
xdotool mousemove --window "$records" 40 6 click --repeat 2 --delay 60 1   # Tester, first place
# F, taken after the double click, watches four times faster.
xdotool windowfocus --sync "$main"
xdotool key f
wait_for 120 dialog "$over_width" >/dev/null || fail "the watched game did not end in the game-over dialog"
dialog "$name_width" >/dev/null && fail "the watched game asked for a name"
end_shots watched
same_png "$work/played-stat.png" "$work/watched-stat.png" || fail "the watched game's statistics differ"
same_png "$work/played-board.png" "$work/watched-board.png" || fail "the watched game's board differs"
click_twips "$(dialog "$over_width")" $((240 + 487)) $((855 + 187))   # "Да": a new game
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
wait_for 10 has_figure || fail "no new game after the watching"
xdotool key Left Down
click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
gui_stop_program
for f in "$bin/QuarvexFathers.txt" "$settings" "$replay"; do
  cmp -s "$f" "$work/before.$(basename "$f")" || fail "watching changed $(basename "$f")"
done
[ "$(ls "$bin"/replays/*.qvr | wc -l)" = 1 ] || fail "watching added or removed a replay"
echo "gui replay test passed"
