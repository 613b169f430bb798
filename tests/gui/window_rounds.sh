# The round trips a player makes on a desktop, sourced by the test_rounds_* tests after gui_start:
# from a fresh start no two windows overlap; the main window has a title strip (the window
# manager's frame, or its own where the manager leaves the shaped window unframed, which then
# moves, minimises and closes it); three rounds of hiding and showing every side window and of
# Escape and the restore leave every side window within a pixel of its place; the help window
# shows its two buttons whole.

sides=("The Best Of The Quarvex" Statistic Future '\*\.mp3 & \*\.wma Player')
# Menu buttons of the side windows (twips from the menu frame's left): Future, Best, Stat, MP3.
declare -A button=(["The Best Of The Quarvex"]=1200 [Statistic]=1800 [Future]=600 ['\*\.mp3 & \*\.wma Player']=2400)

gui_main
declare -A id
for t in "${sides[@]}"; do id[$t]=$(find_window "$t") || fail "\"$t\" is not shown at a fresh start"; done

# client ID: the client area's "x y w h" on the screen.
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'; }
# extents ID: the frame's "left right top bottom", zeros where the window manager reports none.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | awk -F' = ' 'NF > 1 {gsub(",", "", $2); print $2; exit} END {if (NR == 0 || $0 !~ / = /) print "0 0 0 0"}' | head -1; }
# outer ID: the window with its frame, "x1 y1 x2 y2".
outer() { local x y w h l r t b; read -r x y w h < <(client "$1"); read -r l r t b < <(extents "$1"); echo $((x - l)) $((y - t)) $((x + w + r)) $((y + h + b)); }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
on_screen() { mapped "$1" && ! xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
no_overlap() {
  local all=("$main" "${id[@]}") i j a b
  for ((i = 0; i < ${#all[@]}; i++)); do
    for ((j = i + 1; j < ${#all[@]}; j++)); do
      read -r -a a < <(outer "${all[i]}"); read -r -a b < <(outer "${all[j]}")
      ((a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3])) && return 1
    done
  done
  return 0
}
wait_for 10 no_overlap || fail "windows overlap at a fresh start: $(for w in "$main" "${id[@]}"; do outer "$w"; done | tr '\n' ';')"

# The title strip: the window manager's frame, or the window's own rows at its top, then the
# desktop beside the board panel (the shape) below them.
strip=0
read -r -a frame < <(extents "$main")
if [ "${frame[2]}" = 0 ]; then
  strip_rows() {
    shot "$work/strip.png"
    local x y; read -r x y _ < <(client "$main")
    # The pixels down the column two pixels in, from the window's top: the rows of the first colour.
    strip=$(convert "$work/strip.png" -crop 1x60+$((x + 2))+"$y" +repage -depth 8 txt:- |
      awk -F'  +' 'NR == 2 {face = $2} NR > 1 && $2 != face {print NR - 2; found = 1; exit} END {if (!found) print 60}')
    [ "$strip" -ge 18 ] && [ "$strip" -lt 60 ]
  }
  wait_for 10 strip_rows || fail "an unframed main window shows no title strip of its own"
fi
# click_menu X Y: a click at a place of the menu strip's frame (twips).
click_menu() { xdotool mousemove --window "$main" $(((menu_x + $1) / 15)) $(((menu_y + $2) / 15 + strip)) click 1; }

declare -A start
for t in "${sides[@]}"; do start[$t]=$(client "${id[$t]}"); done
kept() {
  local t a b
  for t in "${sides[@]}"; do
    read -r -a a <<<"${start[$t]}"; read -r -a b < <(client "${id[$t]}")
    local dx=$((a[0] - b[0])) dy=$((a[1] - b[1]))
    ((dx * dx <= 1 && dy * dy <= 1)) || { echo "\"$t\" moved from ${a[0]},${a[1]} to ${b[0]},${b[1]} ${1:-}"; return 1; }
  done
}
for round in 1 2 3; do
  for t in "${sides[@]}"; do
    click_menu $((button[$t] + 300)) $((600 + 120))
    gone() { ! mapped "${id[$t]}"; }
    wait_for 10 gone || fail "\"$t\" not hidden by its button"
    click_menu $((button[$t] + 300)) $((600 + 120))
    wait_for 10 mapped "${id[$t]}" || fail "\"$t\" not shown again by its button"
  done
  wait_for 5 kept >/dev/null || fail "$(kept "after $round rounds of hiding and showing")"
done
# main_drawn: the screen shows the main window: "Pause" shows its face where it stands, brown, or
# red once the pointer has crossed the menu.
main_drawn() {
  local x y; read -r x y _ < <(client "$main")
  shot "$work/main.png"
  case "$(pixel "$work/main.png" $((x + menu_x / 15 + 4)) $((y + strip + (menu_y + 240) / 15 + 8)))" in
    128,64,0 | 255,0,0) ;;
    *) return 1 ;;
  esac
}
for round in 1 2 3; do
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  xdotool key Escape
  away() { ! on_screen "$main" && for t in "${sides[@]}"; do ! on_screen "${id[$t]}" || return 1; done; }
  wait_for 10 away || fail "Escape left a window of the game on screen"
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowmap "$main"
  back() { for t in "${sides[@]}"; do on_screen "${id[$t]}" || return 1; done; }
  wait_for 10 back || fail "the restore did not bring back every side window"
  xdotool windowactivate --sync "$main" 2>/dev/null || true
  xdotool key Escape   # resumes
  wait_for 10 main_drawn || fail "the main window is not drawn after the restore"
  wait_for 5 kept >/dev/null || fail "$(kept "after $round rounds of Escape and the restore")"
done

# The help window unrolls to its whole client area of 3480 x 2700 twips, buttons and all, and
# "Закрыть" at its bottom left takes the click.
click_menu $((600 + 300)) $((240 + 120))
help=""
unrolled() {
  help=$(xdotool search --onlyvisible --name '^Справка$' 2>/dev/null | head -1 || true)
  [ -n "$help" ] && [ "$(client "$help" | awk '{print $3 "x" $4}')" = 232x180 ]
}
wait_for 10 unrolled || fail "the help window is not 232 x 180 once unrolled: $(client "$help")"
read -r hx hy _ < <(client "$help")
[ "$hy" -ge 0 ] && [ $((hy + 180)) -le 1024 ] || fail "the help window is off the screen at $hx, $hy"
xdotool mousemove --window "$help" $(((240 + 666) / 15)) $(((2400 + 126) / 15)) click 1
gone() { ! xdotool search --onlyvisible --name '^Справка$' >/dev/null 2>&1; }
wait_for 10 gone || fail "\"Закрыть\" took no click"

if [ "$strip" -gt 0 ]; then
  # Dragged by its strip, the window moves with the pointer (left, away from the side windows).
  read -r mx my _ < <(client "$main")
  xdotool mousemove --window "$main" 100 $((strip / 2)) mousedown 1 sleep 0.3 mousemove_relative --sync -- -10 15 sleep 0.1 mousemove_relative --sync -- -10 15 sleep 0.3 mouseup 1
  moved() { read -r nx ny _ < <(client "$main"); [ "$nx" = $((mx - 20)) ] && [ "$ny" = $((my + 30)) ]; }
  wait_for 10 moved || fail "the strip did not move the window: $mx,$my to $(client "$main")"
  # The minimise box pauses and minimises; the close box closes the game.
  box=$((strip - 8)); read -r _ _ ww _ < <(client "$main")
  xdotool mousemove --window "$main" $((ww - 4 - 2 * (box + 2) + box / 2)) $((strip / 2)) click 1
  wait_for 10 sh -c "! xwininfo -id $main | grep -q IsViewable || xprop -id $main WM_STATE | grep -q Iconic" ||
    fail "the minimise box did not minimise"
  xdotool windowactivate "$main" 2>/dev/null || xdotool windowmap "$main"
  wait_for 10 on_screen "$main" || fail "not restored after the minimise box"
  xdotool mousemove --window "$main" $((ww - 4 - (box + 2) + box / 2)) $((strip / 2)) click 1
  gui_stop_program
fi
