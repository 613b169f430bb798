#!/usr/bin/env bash
# Measures the resident memory of the real program under Xvfb with the null sound
# output: waits for the main window and the falling figure, lets the game run, then
# prints VmRSS, its private and file-backed parts and the largest mappings by file.
# With --track it first picks a track through the player window, as a player would.
# Usage: bash bench/measure_memory.sh build/bin/quarvex [--track] [SECONDS (default 20)]
set -euo pipefail
source "$(dirname "$0")/../tests/gui/gui_lib.sh"
exe="$1"; shift
track=no
[ "${1:-}" = --track ] && { track=yes; shift; }
seconds="${1:-20}"
export ALSOFT_DRIVERS=null
gui_start "$exe"
cp "$(dirname "$0")/../tests/sound/fixtures/tone.mp3" "$bin/tone.mp3"
gui_main
wait_for 20 has_figure || fail "no falling figure on the board"

if [ "$track" = yes ]; then
  # A fresh settings file shows the player window with the other side windows.
  player=$(find_window '\*\.mp3 & \*\.wma Player') || fail "player window not shown"
  click_twips "$player" $((2100 + 420)) $((375 + 120))                  # Select
  dialog=$(find_window "Открыть") || fail "file-open dialog not shown"
  click_twips "$dialog" $((2880 + 600)) $((120 + 120))                   # the first file
  wait_for 10 music_started || fail "no track started"
fi

sleep "$seconds"
kill -0 "$qpid" 2>/dev/null || fail "program ended"
echo "after $seconds s of play (track: $track):"
awk '/^(VmRSS|RssAnon|RssFile|RssShmem)/ {printf "  %-9s %6.1f MiB\n", $1, $2 / 1024}' "/proc/$qpid/status"
echo "largest mappings (resident MiB):"
awk '/^[0-9a-f]+-[0-9a-f]+ / {name = (NF >= 6) ? $6 : "[anon]"}
     /^Rss:/ {rss[name] += $2}
     END {for (n in rss) printf "%8.2f  %s\n", rss[n] / 1024, n}' "/proc/$qpid/smaps" |
  sort -rn | head -"${TOP:-25}"
