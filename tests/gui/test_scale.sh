#!/usr/bin/env bash
# Starts the real program at scale factors 1, 1.5 and 2 and checks that it stays sharp
# and in proportion: the window and its shape grow by the factor, the board's cells by
# the factor, every grid line and cell outline has one thickness (twice as thick at 2),
# and the board shows only its own colours, never a colour blended at an edge.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
gui_start "$1"

GREY='#808080'; FALLING='#00FFFF'; FILL='#000000'

# runs PNG X Y W H: the run-length form "colour length" of a one-pixel row or column.
runs() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -depth 8 txt:- |
    awk 'NR > 1 { c = toupper($3); if (c == prev) n++; else { if (n) print prev, n; prev = c; n = 1 } }
         END { if (n) print prev, n }'
}
# near A B: whether two pixel counts differ by at most one.
near() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a - b <= 1 && b - a <= 1) }'; }
times() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a * b }'; }

# measure FACTOR: starts the program at that factor and sets win_w, win_h, shape_w, shape_h,
# line (grid thickness), span (pixels from the second to the second-last vertical grid line).
measure() {
  export QT_SCALE_FACTOR="$1"
  gui_launch
  local main shot="$work/scale$1.png"
  main=$(find_window "Quarvex Zeb Ostrela") || fail "main window did not appear at $1"
  # Only the board's frame is looked at: the control buttons below it and the side windows
  # beside it may show the same colours.
  has_figure() { board_shot "$shot" "$QT_SCALE_FACTOR"; [ "$(count_colour "$shot" "$FALLING")" -gt 0 ]; }
  wait_for 10 has_figure || fail "no falling figure at $1"
  read -r win_w win_h < <(xwininfo -id "$main" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
  read -r shape_w shape_h < <(xwininfo -shape -id "$main" | sed -n 's/.*shape extents: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')
  [ -n "$shape_w" ] || fail "main window is not shaped at $1"

  local bx by bw bh y row
  # The grid's colour is the board's own (lighter while the player leads the table).
  grid='#C8C8DC'
  [ "$(count_colour "$shot" "$grid")" -gt 0 ] || grid='#AFAFDC'
  read -r bw bh bx by < <(convert "$shot" -fill black +opaque "$grid" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
  # A row across the middle of the empty board, off the horizontal grid lines.
  y=$((by + bh / 2))
  row=$(runs "$shot" "$bx" "$y" "$bw" 1)
  [ "$(wc -l <<<"$row")" -gt 10 ] || { y=$((y + 4 * ${1%.*})); row=$(runs "$shot" "$bx" "$y" "$bw" 1); }
  awk -v g="$GREY" -v l="$grid" '$1 != g && $1 != l { exit 1 }' <<<"$row" ||
    fail "board row at $1 holds colours besides the board's: $(sort -u <<<"$row" | awk '{print $1}' | sort -u | tr '\n' ' ')"
  line=$(awk -v l="$grid" '$1 == l { n++; if (n > 1) print $2 }' <<<"$row" | sed '$d' | sort -u)
  [ "$(wc -l <<<"$line")" -eq 1 ] || fail "grid lines at $1 are of unequal thickness: $(tr '\n' ' ' <<<"$line")"
  span=$(awk -v l="$grid" '{ if ($1 == l) { n++; s[n] = x } x += $2 } END { print s[n - 1] - s[2] }' <<<"$row")

  # A row through the top cells of the falling figure: outlines as thick as the grid, nothing blended.
  local fx fy fw fh
  read -r fw fh fx fy < <(convert "$shot" -fill black +opaque "$FALLING" -trim -format '%w %h %X %Y\n' info: | tr -d '+')
  row=$(runs "$shot" "$fx" $((fy + line + 1)) "$fw" 1)
  awk -v a="$FALLING" -v b="$FILL" -v g="$GREY" -v l="$grid" '$1 != a && $1 != b && $1 != g && $1 != l { exit 1 }' <<<"$row" ||
    fail "falling figure at $1 has blended edges: $(awk '{print $1}' <<<"$row" | sort -u | tr '\n' ' ')"
  [ "$(awk -v a="$FALLING" '$1 == a { print $2 }' <<<"$row" | sort -u)" = "$line" ] ||
    fail "cell outlines at $1 are not $line pixels thick: $row"

  kill "$qpid"; wait "$qpid" 2>/dev/null || true; qpid=""
}

measure 1
w1=$win_w; h1=$win_h; sw1=$shape_w; sh1=$shape_h; line1=$line; span1=$span
[ "$line1" = 1 ] || fail "grid lines at scale 1 are $line1 pixels thick"

for f in 1.5 2; do
  measure "$f"
  near "$win_w" "$(times "$w1" "$f")" && near "$win_h" "$(times "$h1" "$f")" ||
    fail "window at $f is ${win_w}x$win_h, not $f times ${w1}x$h1"
  near "$shape_w" "$(times "$sw1" "$f")" && near "$shape_h" "$(times "$sh1" "$f")" ||
    fail "window shape at $f is ${shape_w}x$shape_h, not $f times ${sw1}x$sh1"
  near "$span" "$(times "$span1" "$f")" || fail "board cells at $f span $span pixels, not $f times $span1"
done
[ "$line" = 2 ] || fail "grid lines at scale 2 are $line pixels thick, not 2"
echo "gui scale test passed"
