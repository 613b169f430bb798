#!/usr/bin/env bash
# Starts the real program under Xvfb in a temporary copy of its folder, opens the
# side windows from the menu, moves and drops a figure with the keys, checks the
# screen, leaves with "Exit" and checks the records file written beside it.
set -euo pipefail
exe="$1"
work=$(mktemp -d)
xpid=""
qpid=""
cleanup() {
  [ -n "$qpid" ] && kill "$qpid" 2>/dev/null || true
  if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null || true; wait "$xpid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log"
  exit 1
}

cp -r "$(dirname "$exe")" "$work/bin"
rm -f "$work/bin/QuarvexFathers.txt" "$work"/bin/Qrvx*.ini

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
display=":$(head -1 "$work/display")"
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$work/bin/quarvex" >"$work/out.log" 2>&1 &
qpid=$!

find_window() { # title -> window id, waiting up to 15 s
  for _ in $(seq 150); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
shot() { import -window root "$1"; }
count_colour() { convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:; }
left_edge() { convert "$1" -fill black +opaque "$2" -trim -format '%X' info: | tr -d '+'; }
# Clicks at a place given in twips inside the main window's client area.
click_twips() { xdotool mousemove --window "$main" $(($1 / 15)) $(($2 / 15)) click 1; sleep 0.3; }

main=$(find_window "Quarvex Zeb Ostrela") || fail "main window did not appear"
sleep 1

# Bottom row of the menu strip: frame at 3240+120, 6840+80 twips; buttons 615 x 255.
menu_x=$((3240 + 120)); menu_y=$((6840 + 80))
click_twips $((menu_x + 1200 + 300)) $((menu_y + 600 + 120))   # Best
click_twips $((menu_x + 1800 + 300)) $((menu_y + 600 + 120))   # Stat
click_twips $((menu_x + 600 + 300)) $((menu_y + 600 + 120))    # Future
find_window "The Best Of The Quarvex" >/dev/null || fail "records window not shown"
find_window "Statistic" >/dev/null || fail "statistics window not shown"
find_window "Future" >/dev/null || fail "future window not shown"

xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
sleep 0.3
shot "$work/before.png"
cyan_before=$(count_colour "$work/before.png" '#00FFFF')
[ "$cyan_before" -gt 0 ] || fail "no falling figure on the board"
x_before=$(left_edge "$work/before.png" '#00FFFF')
yellow_before=$(count_colour "$work/before.png" '#FFFF00')

for _ in 1 2 3; do xdotool key Left; sleep 0.15; done
sleep 0.3
shot "$work/moved.png"
x_moved=$(left_edge "$work/moved.png" '#00FFFF')
[ "$x_moved" -lt "$x_before" ] || fail "figure did not move left ($x_before -> $x_moved)"

xdotool key Down
sleep 2
shot "$work/landed.png"
yellow_after=$(count_colour "$work/landed.png" '#FFFF00')
[ "$yellow_after" -gt $((yellow_before + 20)) ] || fail "no landed cells after the drop ($yellow_before -> $yellow_after)"

click_twips $((menu_x + 2400 + 300)) $((menu_y + 240 + 120))   # Exit
for _ in $(seq 100); do kill -0 "$qpid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$qpid" 2>/dev/null && fail "program still running after Exit"
wait "$qpid" || true
qpid=""

records="$work/bin/QuarvexFathers.txt"
[ -f "$records" ] || fail "records file not written"
grep -q '^Pelko' "$records" || fail "records file lacks Pelko"
grep -q '^ *0 *' "$records" || fail "records file lacks the score 0"
echo "gui play test passed"
