#!/usr/bin/env bash
# Measures the real program under Xvfb with a track playing: in the player that a
# fresh settings file shows, picks a track through "Select" and the file-open dialog, then reports
# resident memory and the share of a core used over ten seconds of a running game.
# Usage: bash bench/measure_music.sh build/bin/quarvex
set -euo pipefail
source "$(dirname "$0")/../tests/gui/gui_lib.sh"
gui_start "$1"
cp "$(dirname "$0")/../tests/sound/fixtures/tone.mp3" "$bin/Мелодия с пробелами.mp3"
gui_main

resident() { awk '/^VmRSS/ {r = $2} /^RssAnon/ {a = $2} /^RssFile/ {f = $2} END {printf "%.1f (private %.1f, shared-library pages %.1f)", r / 1024, a / 1024, f / 1024}' "/proc/$qpid/status"; }
threads() { ls "/proc/$qpid/task" | wc -l; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$qpid/stat"; }
cpu_percent_over() {
  local before after hz; hz=$(getconf CLK_TCK); before=$(cpu_ticks); sleep "$1"; after=$(cpu_ticks)
  awk -v d=$((after - before)) -v hz="$hz" -v s="$1" 'BEGIN {printf "%.2f", 100 * d / hz / s}'
}

echo "game alone: resident $(resident) MiB, cpu $(cpu_percent_over 10) % of a core"
player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"
before=$(threads)
click_twips "$player" $((2100 + 420)) $((375 + 120))                  # Select
dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
click_twips "$dialog" $((2880 + 600)) $((120 + 120))                   # the first file
started() { [ "$(threads)" -gt "$before" ]; }
wait_for 10 started || fail "no track started"
echo "game and track: resident $(resident) MiB, cpu $(cpu_percent_over 10) % of a core"
