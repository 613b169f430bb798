#!/usr/bin/env bash
# Memory and CPU of the real program over a long demo run (a measurement, not a test).
#
#   bench/soak_demo.sh MINUTES [EXE] [--wm]
#
# Runs EXE (default build/bin/quarvex) under Xvfb through tests/gui/gui_lib.sh, ticks
# "Demo", and answers every game end: the name dialog with "Ok", the game-over dialog
# with "Да", then ticks "Demo" again in the new game. Once a minute it prints the
# resident set (VmRSS), the resident part of the heap ([heap] in smaps), the CPU used
# during that minute and the number of finished games; at the end, the growth.
set -euo pipefail
minutes="${1:?usage: soak_demo.sh MINUTES [EXE] [--wm]}"
here="$(cd "$(dirname "$0")" && pwd)"
exe="${2:-$here/../build/bin/quarvex}"
source "$here/../tests/gui/gui_lib.sh"
gui_start "$exe" "${3:-}"
gui_launch

title="Quarvex Zeb Ostrela"
main=$(find_window "$title") || fail "main window did not appear"
demo_on() { click_twips "$main" $((menu_x + 1200 + 300)) $((menu_y + 240 + 120)); }

rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$qpid/status"; }
heap_kib() { awk '/\[heap\]/ {h=1; next} /^[0-9a-f]+-/ {h=0} h && /^Rss:/ {s+=$2} END {print s+0}' "/proc/$qpid/smaps"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$qpid/stat"; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
hz=$(getconf CLK_TCK)

games=0
# Dialogs of a game end carry the application title too; they are told apart by size.
answer_dialogs() {
  local id w
  for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true); do
    [ "$id" = "$main" ] && continue
    w=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {split($2, g, "x"); print g[1]}')
    case "$w" in
      161) click_twips "$id" $((720 + 480)) $((945 + 180)) ;;            # name dialog: Ok
      178) click_twips "$id" $((240 + 480)) $((855 + 180))                # game over: Да
           if wait_for 10 sh -c "! xdotool search --onlyvisible --name '^$title\$' | grep -qx $id"; then
             games=$((games + 1)); demo_on
           fi ;;
    esac
  done
}

demo_on
start=$(date +%s)
printf '%6s %9s %9s %6s %6s\n' minute RSS_MiB heap_MiB cpu_% games
rss0=$(rss_kib); printf '%6d %9s %9s %6s %6d\n' 0 "$(mib "$rss0")" "$(mib "$(heap_kib)")" - 0
last_cpu=$(cpu_ticks); rss5=""
for m in $(seq "$minutes"); do
  while [ $(($(date +%s) - start)) -lt $((m * 60)) ]; do
    kill -0 "$qpid" 2>/dev/null || fail "program ended during the soak"
    answer_dialogs
    sleep 1
  done
  cpu=$(cpu_ticks); rss=$(rss_kib)
  pct=$(awk -v d=$((cpu - last_cpu)) -v hz="$hz" 'BEGIN {printf "%.1f", 100 * d / hz / 60}')
  last_cpu=$cpu
  [ "$m" = 5 ] && rss5=$rss
  printf '%6d %9s %9s %6s %6d\n' "$m" "$(mib "$rss")" "$(mib "$(heap_kib)")" "$pct" "$games"
done
echo "growth over the run: $(mib $((rss - rss0))) MiB"
[ -n "$rss5" ] && echo "growth since minute 5: $(mib $((rss - rss5))) MiB"
kill "$qpid" 2>/dev/null || true
