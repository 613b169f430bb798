#!/usr/bin/env bash
# Starts the real program under Xvfb, sees the player that a fresh settings file
# shows, picks a track
# with a Cyrillic name and blanks through "Select" with a single click in the
# file-open dialog, sees the music player start, then a file that is not
# music (the program runs on), and hides the player again with "MP3".
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
cp "$(dirname "$0")/../sound/fixtures/tone.mp3" "$bin/Мелодия с пробелами.mp3"
cp "$(dirname "$0")/../sound/fixtures/not_music.mp3" "$bin/Я не музыка.mp3"
gui_main

mp3_button() { click_twips "$main" $((menu_x + 2400 + 300)) $((menu_y + 600 + 120)); }
player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"

# The name label, top left in the player.
name_label() { import -window "$player" -crop 130x20+0+2 +repage "$1"; }
name_label "$work/empty.png"
click_twips "$player" $((2100 + 420)) $((375 + 120))                  # Select
dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
click_twips "$dialog" $((2880 + 600)) $((120 + 120))                   # the first file
dialog_gone() { ! xdotool search --onlyvisible --name "^Открыть\$" >/dev/null 2>&1; }
wait_for 10 dialog_gone || fail "a single click did not choose the file"
wait_for 10 music_started || fail "the music player did not start for the chosen track"
# The name label no longer reads "Empty".
name_shown() {
  name_label "$work/named.png"
  [ "$(compare -metric AE "$work/empty.png" "$work/named.png" null: 2>&1 || true)" != 0 ]
}
wait_for 10 name_shown || fail "the player shows no track name"

# A file that is not music: the game plays on and the player window stays.
click_twips "$player" $((2100 + 420)) $((375 + 120))
dialog=$(find_window "Открыть") || fail "file-open dialog not shown again"
click_twips "$dialog" $((2880 + 600)) $((120 + 120 + 240))             # the second file
wait_for 10 dialog_gone || fail "the second file was not chosen"
kill -0 "$qpid" || fail "program ended after a file that is not music"

mp3_button
player_hidden() { ! xdotool search --onlyvisible --name '^\*\.mp3 & \*\.wma Player$' >/dev/null 2>&1; }
wait_for 10 player_hidden || fail "MP3 did not hide the player"
