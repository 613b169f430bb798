# Shared start-up for every test that runs the real program: sourced, never run.
#
#   gui_start EXE [--wm[=NAME]]
#                          copies the program and its shipped files to a temporary folder, starts
#                          Xvfb and exports DISPLAY; with --wm also a window manager, openbox unless
#                          NAME is xfwm4, kwin (kwin_x11 with Breeze), mutter (GNOME's, on X11) or icewm
#   gui_start EXE --gnome  the same inside a nested GNOME Wayland session (mutter with XWayland on
#                          Xvfb): DISPLAY names XWayland, the session's variables are set as a
#                          session sets them, QT_QPA_PLATFORM is unset, and shots come from Xvfb.
#                          The test must set gui_session=gnome before sourcing this file.
#   gui_launch [ARGS...]   starts the copied program; its output goes to $work/out.log
#   gui_main               gui_launch, then waits for the main window and sets $main to it
#   gui_stop_program       waits (bounded) for the program to end; it must end with status 0
# A sanitizer report in the program's output (sanitizer build) fails the test, whether
# found when the program stops, is launched again, or at the end.
# Everything started here is stopped, and the temporary folder removed, when the
# test's shell exits, whether the test passed or failed.

# XWayland picks display numbers of its own: a GNOME session runs in private mount, network and
# process namespaces with its own socket folder, where it meets no other test's X server, and
# everything in it ends with the test.
if [ "${gui_session:-}" = gnome ] && [ -z "${QUARVEX_PRIVATE_SESSION:-}" ]; then
  export QUARVEX_PRIVATE_SESSION=1
  # A developer who is not root enters the namespaces through a user namespace of their own.
  userns=(); [ "$(id -u)" = 0 ] || userns=(--user --map-root-user)
  # XWayland's socket folder gets a private tmpfs; on a machine where no X server has run yet
  # the folder is made first, as an X server makes it.
  [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
  exec unshare "${userns[@]}" --mount --net --pid --fork --kill-child \
    bash -c 'mount -t tmpfs tmpfs /tmp/.X11-unix && exec bash "$@"' bash "$0" "$@"
fi

work=$(mktemp -d)
bin="$work/bin"
xpid=""
wmpid=""
qpid=""
host_display=""
dbuspid=""

# A program still running at the end is killed; one that ended by itself must have ended
# well. Either way its output must hold no sanitizer report.
gui_cleanup() {
  local status=$? problem=""
  if [ -n "$qpid" ]; then
    if kill "$qpid" 2>/dev/null; then wait "$qpid" 2>/dev/null || true
    else wait "$qpid" 2>/dev/null || problem="program ended with status $?"; fi
    qpid=""
  fi
  [ -n "$problem" ] || problem=$(sanitizer_report)
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null || true
  [ -n "${dbuspid:-}" ] && kill "$dbuspid" 2>/dev/null || true
  if [ -n "$xpid" ]; then kill "$xpid" 2>/dev/null || true; wait "$xpid" 2>/dev/null || true; fi
  # A test that failed already printed the program's output.
  [ -z "$problem" ] || [ "$status" != 0 ] || (fail "$problem") || true
  rm -rf "$work"
  [ -z "$problem" ] || exit 1
}
trap gui_cleanup EXIT

# Writes to the error output, so that a failure inside $(...) is still seen.
fail() {
  {
    echo "FAIL: $*"
    [ -f "$work/out.log" ] && sed 's/^/  program: /' "$work/out.log"
  } >&2
  exit 1
}

# sanitizer_report: names the sanitizer report in the program's output, if there is one
# (the sanitizer build stops the program at the first report).
sanitizer_report() {
  [ -f "$work/out.log" ] &&
    grep -q -E 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: UndefinedBehaviorSanitizer' "$work/out.log" &&
    echo "sanitizer report in the program's output"
  return 0
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.05 s until it succeeds; fails once SECONDS
# have passed, however long COMMAND itself takes.
wait_for() {
  local end=$((SECONDS + $1)); shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}

gui_start() {
  local exe="$1" wm="${2:-}"
  # The program and what it ships beside itself; the test and benchmark programs stay behind.
  local from; from=$(dirname "$exe")
  mkdir -p "$bin"
  cp "$exe" "$bin/"
  [ -d "$from/sound" ] && cp -r "$from/sound" "$bin/"
  [ -f "$from/alsoft.conf" ] && cp "$from/alsoft.conf" "$bin/"
  [ -d "$from/translations" ] && cp -r "$from/translations" "$bin/"
  # -noreset: an X server resets itself when its last client leaves, and a client
  # that connects during the reset is refused. The probe below is such a client,
  # so without -noreset the program, started right after it, can be turned away.
  local glx=(); case "$wm" in --gnome | --wm=mutter | --wm=kwin) glx=(+extension GLX) ;; esac   # they draw through GL
  Xvfb -displayfd 3 -noreset "${glx[@]}" -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xpid=$!
  wait_for 20 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -1 "$work/display")"
  wait_for 20 xdpyinfo >/dev/null 2>&1 || fail "Xvfb does not answer"
  case "$wm" in
    --gnome) gnome_start ;;
    --wm | --wm=*) wm_start "${wm#--wm=}" ;;
  esac
}

# wm_start NAME: a window manager on the Xvfb; it names itself on the root window once it
# manages the screen. KWin, mutter and xfwm4 (for its settings) get a private session bus.
wm_start() {
  local name="$1"
  case "$name" in
    kwin | mutter | xfwm4) session_bus ;;
  esac
  case "$name" in
    --wm | openbox) openbox --sm-disable ;;
    xfwm4) xfwm4 --compositor=off --sm-client-disable ;;
    kwin) QT_QPA_PLATFORM=xcb kwin_x11 --replace ;;
    mutter) mutter --x11 --replace ;;
    icewm) icewm ;;
    *) fail "unknown window manager $name" ;;
  esac >"$work/wm.log" 2>&1 &
  wmpid=$!
  wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    fail "$name did not start: $(cat "$work/wm.log")"
}

session_bus() {
  local bus; bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
  export DBUS_SESSION_BUS_ADDRESS="${bus%% *}"
  dbuspid=$(echo "$bus" | awk '{print $2}')
}

# The nested session on the Xvfb just started: a private session bus, mutter drawing its
# 1280 x 1024 output into a window at the Xvfb's top left, and its XWayland for X11 clients.
gnome_start() {
  host_display=$DISPLAY
  export XDG_RUNTIME_DIR="$work/run"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  session_bus
  MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024 mutter --nested --wayland --wayland-display=quarvex-wayland \
    >"$work/wm.log" 2>&1 &
  wmpid=$!
  wait_for 60 grep -q 'Using public X11 display' "$work/wm.log" || fail "mutter did not start: $(cat "$work/wm.log")"
  export DISPLAY; DISPLAY=$(grep -o 'public X11 display :[0-9]*' "$work/wm.log" | grep -o ':[0-9]*')
  wait_for 20 sh -c 'ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* >/dev/null 2>&1' || fail "no XWayland authority file"
  export XAUTHORITY; XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -1)
  export WAYLAND_DISPLAY=quarvex-wayland XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
  unset QT_QPA_PLATFORM
  wait_for 30 xdpyinfo >/dev/null 2>&1 || fail "XWayland does not answer"
  wait_for 30 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    fail "mutter does not manage the X display"
}

# A report from the program's previous run fails the test before its output is replaced.
gui_launch() {
  local problem; problem=$(sanitizer_report)
  [ -z "$problem" ] || fail "$problem"
  "$bin/quarvex" "$@" >"$work/out.log" 2>&1 &
  qpid=$!
}

# The menu strip's frame in the main window's client area, in twips: its buttons are
# 615 x 255 twips, 600 apart, "Pause" "Help" "Demo" "Set" "Exit" at 240 and "Auto"
# "Future" "Best" "Stat" "MP3" at 600 below the frame's top.
menu_x=$((3240 + 120)); menu_y=$((6840 + 80))

gui_main() {
  gui_launch
  main=$(find_window "Quarvex Zeb Ostrela") || fail "main window did not appear"
}

gui_stop_program() {
  wait_for 10 sh -c "! kill -0 $qpid 2>/dev/null" || fail "program still running"
  local status=0 problem
  wait "$qpid" || status=$?
  qpid=""
  problem=$(sanitizer_report)
  [ -z "$problem" ] || fail "$problem"
  [ "$status" = 0 ] || fail "program ended with status $status"
}

# find_window TITLE: the id of a visible window with exactly that title, waiting up to 15 s.
find_window() {
  local id=""
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$qpid" 2>/dev/null || fail "program ended while waiting for \"$1\""
    sleep 0.05
  done
  return 1
}

# dialog WIDTH: the id of a visible window of the program's title that is that many pixels wide:
# the name dialog ($name_width) or the game-over dialog ($over_width).
dialog() {
  local id
  for id in $(xdotool search --onlyvisible --name '^Quarvex Zeb Ostrela$' 2>/dev/null); do
    [ "$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" = "$1" ] && { echo "$id"; return 0; }
  done
  return 1
}
name_width=$((2415 / 15)); over_width=$((2670 / 15))

# The screen as the player sees it; in a GNOME session that is mutter's output on the Xvfb.
# Stored with the fastest zlib level: a desktop of gradients takes seconds to compress well.
shot() { DISPLAY=${host_display:-$DISPLAY} XAUTHORITY= import -window root -quality 1 "$1"; }
# board_shot PNG [FACTOR]: a screenshot of the board's frame alone (the top left of the main
# window's client area, above the control buttons), which side windows and buttons of the
# same colours cannot disturb. Needs $main.
board_shot() {
  local x y crop
  read -r x y < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
  crop=$(awk -v f="${2:-1}" -v x="$x" -v y="$y" 'BEGIN { printf "%dx%d+%d+%d", 290 * f, 440 * f, x, y }')
  shot "$1"
  convert "$1" -crop "$crop" +repage "$1"
}
# has_figure: a falling figure (cyan outlines) is on the board.
has_figure() { board_shot "$work/board.png"; [ "$(count_colour "$work/board.png" '#00FFFF')" -gt 0 ]; }
# music_started: the music player's thread runs (it starts with the first track).
music_started() { grep -qx 'quarvex-music' /proc/"$qpid"/task/*/comm 2>/dev/null; }
# wma_decoder_loaded: the decoder loaded with the first WMA track is in the program's memory.
wma_decoder_loaded() { grep -Eq '/libav(format|codec|util)\.so' "/proc/$qpid/maps"; }
# count_colour PNG COLOUR: the number of pixels of exactly that colour.
count_colour() {
  convert "$1" -alpha off \( +clone -fill "$2" -colorize 100 \) -compose difference -composite \
    -colorspace gray -threshold 0 -negate -format '%[fx:round(mean*w*h)]' info:
}
# left_edge PNG COLOUR: the leftmost x of that colour (the image width when absent).
left_edge() { convert "$1" -fill black +opaque "$2" -trim -format '%X' info: | tr -d '+'; }
# pixel PNG X Y: the colour at a point as "r,g,b".
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# click_twips WINDOW X Y: clicks at a place given in twips inside a window's client area.
click_twips() { xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click 1; }
