#!/usr/bin/env bash
# Listens to the music where the speakers would, through OpenAL Soft's wave driver (with the
# program's own alsoft.conf), driven by music_output:
#  - a 3-minute MP3 alone for 12 s: where the track starts in the capture and the correlation
#    of 10 s of the capture with the decoded file;
#  - the same with the background and every event sound at their defaults, a key press every
#    150 ms, for 20 s: the peak and the samples at full scale;
#  - the 1.5 s test tone for 4 s with "Loop" on and off: what the once-a-second poll saw, and
#    the sounding stretches in the capture (two with the loop, one without).
# Usage: bash bench/measure_music_capture.sh build/bin/music_output
set -euo pipefail
exe=$(realpath "$1")
tone="$(dirname "$0")/../tests/sound/fixtures/tone.mp3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ cat "$(dirname "$exe")/alsoft.conf"; printf '\n[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$work/out.wav"; } >"$work/alsoft.conf"
play() { ALSOFT_CONF="$work/alsoft.conf" "$exe" play "$@"; }

"$exe" track "$work/track.mp3"
play "$work/track.mp3" 12 loop >/dev/null
echo "track alone:";            "$exe" compare "$work/out.wav" "$work/track.mp3"
play "$work/track.mp3" 20 effects >/dev/null
echo "track and every sound at its default:"; "$exe" compare "$work/out.wav"
for mode in loop once; do
  echo "test tone, $mode:"
  play "$tone" 4 "$mode" | sed 's/^/  /'
  "$exe" compare "$work/out.wav"
done
