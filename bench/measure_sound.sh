#!/usr/bin/env bash
# Listens to what the sound layer sends to the speakers, through OpenAL Soft's wave
# driver (with the program's own alsoft.conf), and measures it with sox:
#  - edges: the background sound started, stopped, resumed and stopped; the largest
#    sample step within 1 ms of each start and stop, against the largest anywhere else;
#  - off: the background opened and stopped at once, as a start with it switched off does;
#    the peak that still gets out;
#  - presses: background and every event at volume 0, twenty presses 30 ms apart; the
#    peak and the number of samples beyond full scale, with the output limiter as the
#    program asks for it and with it switched off in the OpenAL settings.
# The wave driver writes 32-bit floating-point samples.
# Usage: bash bench/measure_sound.sh build/bin/sound_output
set -euo pipefail
exe=$(realpath "$1")
command -v sox >/dev/null || { echo "measure_sound: needs sox" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# record MODE OUT.wav [EXTRA OpenAL setting]
record() {
  { cat "$(dirname "$exe")/alsoft.conf"; printf '\n[general]\ndrivers = wave\n%s\n[wave]\nfile = %s\n' "${3:-}" "$2"; } >"$work/alsoft.conf"
  ALSOFT_CONF="$work/alsoft.conf" "$exe" "$1"
}

# Every sample as one line: frame left right. sox reads the file (the levels stay
# within full scale, where sox reads floating-point samples exactly).
samples() { sox -V1 "$1" -t dat - | awk '!/^;/ {print n++, $2, $3}'; }
# The same from the raw floating-point data, for levels beyond full scale, which sox
# clips on reading (it counts them: "input clipped N samples").
raw_samples() {
  local at; at=$(grep -obUa data "$1" | head -1 | cut -d: -f1)
  od -An -v -f -w8 -j $((at + 8)) "$1" | awk '{print n++, $1, $2}'
}

record edges "$work/edges.wav"
samples "$work/edges.wav" | awk '
  function abs(x) { return x < 0 ? -x : x }
  { l[$1] = $2; r[$1] = $3; n = $1 + 1 }
  END {
    quiet = 441                       # 10 ms of silence separates a stop from a start
    sound = 0; run = quiet; e = 0
    for (i = 0; i < n; i++) {
      loud = abs(l[i]) > 1e-5 || abs(r[i]) > 1e-5
      if (loud && !sound && run >= quiet) { edge[e] = i; kind[e++] = "start"; sound = 1 }
      if (loud) { last = i; run = 0 } else run++
      if (sound && run == quiet) { edge[e] = last + 1; kind[e++] = "stop "; sound = 0 }
    }
    for (i = 1; i < n; i++) {
      step = abs(l[i] - l[i - 1]); if (abs(r[i] - r[i - 1]) > step) step = abs(r[i] - r[i - 1])
      near = -1
      for (k = 0; k < e; k++) if (i >= edge[k] - 882 && i <= edge[k] + 882) near = k
      for (k = 0; k < e; k++) if (i >= edge[k] - 44 && i <= edge[k] + 44 && step > at[k]) at[k] = step
      if (near < 0 && step > rest) rest = step
    }
    printf "largest step elsewhere while sounding: %.5f (%.1f dBFS)\n", rest, 20 * log(rest) / log(10)
    for (k = 0; k < e; k++)
      printf "%s at %7.3f s: largest step within 1 ms %.5f (%.1f dBFS), %.1f times the rest\n",
             kind[k], edge[k] / 44100, at[k], 20 * log(at[k] + 1e-12) / log(10), at[k] / rest
  }'

record off "$work/off.wav"
raw_samples "$work/off.wav" | awk '
  function abs(x) { return x < 0 ? -x : x }
  { for (c = 2; c <= 3; c++) if (abs($c) > peak) peak = abs($c) }
  END { if (peak > 0) printf "background switched off at start: peak %.1f dBFS\n", 20 * log(peak) / log(10)
        else print "background switched off at start: silent" }'

for limiter in asked off; do
  extra=""; [ "$limiter" = off ] && extra="output-limiter = false"
  record presses "$work/presses.wav" "$extra"
  raw_samples "$work/presses.wav" | awk -v limiter="$limiter" '
    function abs(x) { return x < 0 ? -x : x }
    { for (c = 2; c <= 3; c++) { if (abs($c) > peak) peak = abs($c); if (abs($c) > 1) over++ } }
    END { printf "presses, limiter %s: peak %+.4f dBFS, %d samples beyond full scale\n",
                 limiter, 20 * log(peak) / log(10), over }'
done
