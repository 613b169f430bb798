#!/usr/bin/env bash
# Resident memory and CPU of the real program in play with no pad plugged in, under Xvfb
# with the null sound output (a measurement, not a test). Run it for two builds one after the
# other to compare them on the same machine in the same minute.
# Usage: bash bench/measure_idle.sh EXE [SECONDS (default 30)]
set -euo pipefail
source "$(dirname "$0")/../tests/gui/gui_lib.sh"
exe="$1"; seconds="${2:-30}"
export ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}"
gui_start "$exe"
gui_main
wait_for 20 has_figure || fail "no falling figure on the board"
cpu_ticks() { awk '{print $14 + $15}' "/proc/$qpid/stat"; }
start=$(cpu_ticks); t0=$(date +%s.%N)
sleep "$seconds"
used=$(( $(cpu_ticks) - start )); t1=$(date +%s.%N)
kill -0 "$qpid" 2>/dev/null || fail "program ended"
awk -v u="$used" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" -v exe="$exe" \
    -v rss="$(awk '/^VmRSS:/ {print $2}' "/proc/$qpid/status")" \
    'BEGIN {printf "%s: VmRSS %.2f MiB, CPU %.2f %% of a core over %.0f s\n", exe, rss / 1024, 100 * u / hz / (t1 - t0), t1 - t0}'
