#!/usr/bin/env bash
# Measures the real program under Xvfb with OpenAL's null output: a running game for 20 s
# with no track, then, in the player that a fresh settings file shows, a 3-minute 192 kb/s
# MP3 (synthesised by music_output) picked through "Select" and 20 s of play. Reports
# resident memory (all, anonymous), threads, the share of a core used, and whether any
# libav* library is mapped. With --wma the track is the same music as WMA (needs the ffmpeg command).
# Usage: bash bench/measure_music.sh build/bin/quarvex [--wma] [SECONDS (default 20)]
set -euo pipefail
source "$(dirname "$0")/../tests/gui/gui_lib.sh"
exe=$(realpath "$1"); shift
wma=no
[ "${1:-}" = --wma ] && { wma=yes; shift; }
seconds="${1:-20}"
export ALSOFT_DRIVERS=null
gui_start "$exe"
"$(dirname "$exe")/music_output" track "$bin/Мелодия с пробелами.mp3"
if [ "$wma" = yes ]; then
  ffmpeg -loglevel error -i "$bin/Мелодия с пробелами.mp3" -c:a wmav2 -b:a 192k "$bin/Мелодия с пробелами.wma"
  rm "$bin/Мелодия с пробелами.mp3"
fi
gui_main
wait_for 20 has_figure || fail "no falling figure on the board"

resident() { awk '/^VmRSS/ {r = $2} /^RssAnon/ {a = $2} END {printf "%.1f MiB (anonymous %.1f)", r / 1024, a / 1024}' "/proc/$qpid/status"; }
threads() { ls "/proc/$qpid/task" | wc -l; }
libav() { grep -c '/libav' "/proc/$qpid/maps" || true; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$qpid/stat"; }
cpu_percent_over() {
  local before after hz; hz=$(getconf CLK_TCK); before=$(cpu_ticks); sleep "$1"; after=$(cpu_ticks)
  awk -v d=$((after - before)) -v hz="$hz" -v s="$1" 'BEGIN {printf "%.2f", 100 * d / hz / s}'
}
# The music thread's own share of a core over the same seconds, when it runs.
music_ticks() {
  local t; for t in /proc/"$qpid"/task/*; do
    [ "$(cat "$t/comm")" = quarvex-music ] && awk '{print $14 + $15}' "$t/stat" && return
  done; echo 0
}
report() {
  local m0 m1; m0=$(music_ticks)
  local cpu; cpu=$(cpu_percent_over "$seconds"); m1=$(music_ticks)
  echo "$1: cpu $cpu % of a core (music thread $(awk -v d=$((m1 - m0)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN {printf "%.2f", 100 * d / hz / s}') %), resident $(resident), $(threads) threads, libav mappings $(libav)"
}

report "game, no track"
player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"
click_twips "$player" $((2100 + 420)) $((375 + 120))                  # Select
dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
click_twips "$dialog" $((2880 + 600)) $((120 + 120))                   # the first file
wait_for 10 music_started || fail "no track started"
report "game and track"
