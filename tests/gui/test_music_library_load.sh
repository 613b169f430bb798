#!/usr/bin/env bash
# Starts the real program under Xvfb and checks that the music library stays out of
# its memory while a game runs and while the player window is merely shown, and is
# loaded once a track is chosen through "Select".
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"
cp "$(dirname "$0")/../sound/fixtures/tone.mp3" "$bin/tone.mp3"
gui_main
wait_for 20 has_figure || fail "no falling figure on the board"

music_loaded && fail "the music library is loaded before any track was chosen"

# A fresh settings file shows the player window with the other side windows.
player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"
music_loaded && fail "showing the player loaded the music library"

click_twips "$player" $((2100 + 420)) $((375 + 120))                  # Select
dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
click_twips "$dialog" $((2880 + 600)) $((120 + 120))                   # the first file
wait_for 10 music_loaded || fail "choosing a track did not load the music library"
kill -0 "$qpid" || fail "program ended after the track was chosen"
