#!/usr/bin/env bash
# Makes the short music files the player's tests play: sine tones of about a
# second and a half as MP3, MP2 and WMA, a few KB each. Run once; the results
# are committed under tests/sound/fixtures/.
set -euo pipefail
cd "$(dirname "$0")/../tests/sound/fixtures"
tone() { ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=$1:duration=1.5:sample_rate=22050" -ac 1 "${@:2}"; }
tone 440 -c:a libmp3lame -b:a 32k tone.mp3
tone 660 -c:a mp2 -b:a 32k tone.mp2
tone 550 -c:a wmav2 -b:a 32k tone.wma
# Not music: text with a music file's name, and an empty file.
printf 'Quarvex: these bytes are not a music file.\n' > not_music.mp3
: > empty.mp3
ls -l
