#!/usr/bin/env bash
# Starts the real program under Xvfb and checks that the WMA decoder stays out of its
# memory while a game runs, while the player window is merely shown and while an MP3
# plays, and is loaded once a WMA track is chosen through "Select".
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
cp "$(dirname "$0")/../sound/fixtures/tone.mp3" "$bin/tone.mp3"
cp "$(dirname "$0")/../sound/fixtures/tone.wma" "$bin/tone.wma"
gui_main
wait_for 20 has_figure || fail "no falling figure on the board"
wma_decoder_loaded && fail "the WMA decoder is loaded before any track was chosen"

# A fresh settings file shows the player window with the other side windows.
player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"
pick() {
  click_twips "$player" $((2100 + 420)) $((375 + 120))                # Select
  dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
  click_twips "$dialog" $((2880 + 600)) $((120 + 120 + 240 * $1))      # the file in row $1
}
pick 0                                                                 # tone.mp3
wait_for 10 music_started || fail "choosing the MP3 did not start the music player"
wma_decoder_loaded && fail "playing an MP3 loaded the WMA decoder"

pick 1                                                                 # tone.wma
wait_for 10 wma_decoder_loaded || fail "choosing a WMA track did not load its decoder"
kill -0 "$qpid" || fail "program ended after the track was chosen"
