#!/usr/bin/env bash
# Installs the built program into a temporary prefix (DESTDIR) and checks what an
# installed copy holds and how it behaves: it runs from folders it cannot write, plays a
# game to its end, answers both dialogs, and leaves its records in the player's own data
# folder with nothing written under the prefix; a second account keeps its own records.
# As root the program runs as the account "nobody", so the prefix is truly read-only to
# it; where that account cannot be taken, the prefix is made read-only with chmod.
set -euo pipefail
source "$(dirname "$0")/gui_lib.sh"
build=$(cd "$(dirname "$1")/.." && pwd)
gui_start "$1"

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$work/install.log" || fail "install failed"
for f in usr/bin/quarvex usr/share/applications/quarvex.desktop usr/share/metainfo/org.quarvex.Quarvex.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/quarvex.svg; do
  [ -f "$root/$f" ] || fail "installed copy lacks $f"
done
[ -f "$root/usr/share/quarvex/alsoft.conf" ] || fail "installed copy lacks its sound settings"
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/quarvex.png"
  [ "$(identify -format '%wx%h' "$png" 2>/dev/null)" = "${size}x${size}" ] || fail "icon $png is not ${size}x${size}"
done
if [ -d "$build/bin/sound" ]; then
  diff -r "$build/bin/sound" "$root/usr/share/quarvex/sound" >/dev/null || fail "sound folder not installed whole"
fi
grep -q '^Icon=quarvex$' "$root/usr/share/applications/quarvex.desktop" || fail "desktop entry names another icon"

# The Debian package is built while the installed copy plays; it is checked at the end.
(cd "$build" && cpack --config CPackConfig.cmake -G DEB -B "$work/pkg") >"$work/cpack.log" 2>&1 &
cpack_pid=$!

# The program runs as "nobody" when this shell is root and the account can be taken.
run_as=()
chmod 755 "$work"
if [ "$(id -u)" -eq 0 ] && nobody=$(id -u nobody 2>/dev/null) &&
   setpriv --reuid="$nobody" --regid="$(id -g nobody)" --clear-groups test -x "$root/usr/bin/quarvex" 2>/dev/null; then
  run_as=(setpriv --reuid="$nobody" --regid="$(id -g nobody)" --clear-groups)
fi
trap 'kill "$cpack_pid" 2>/dev/null || true; chmod -R u+w "$root" 2>/dev/null; gui_cleanup' EXIT
chmod -R a-w "$root"
snapshot() { find "$root" -printf '%p %s %T@ %m\n' | sort; }
snapshot >"$work/prefix.before"

# launch_as HOME [XDG_DATA_HOME]: starts the installed program for one account, in a folder it cannot write.
launch_as() {
  mkdir -p "$1"
  if [ ${#run_as[@]} -gt 0 ]; then chown -R nobody "$1"; fi
  (cd "$root/usr/bin" && HOME="$1" XDG_DATA_HOME="${2:-}" exec "${run_as[@]}" ./quarvex) >"$work/out.log" 2>&1 &
  qpid=$!
}

home1="$work/home1"
launch_as "$home1"
main=$(find_window "Quarvex Zeb Ostrela") || fail "installed program shows no main window"
xdotool windowfocus --sync "$main"
# Dropping every figure stacks them in the middle until one has no room: the game ends.
ended=""
for _ in $(seq 900); do
  if dialog "$name_width" >/dev/null || dialog "$over_width" >/dev/null; then ended=1; break; fi
  kill -0 "$qpid" 2>/dev/null || fail "program ended during the game"
  xdotool key Down
  sleep 0.1
done
[ -n "$ended" ] || fail "game did not end after 900 drops"

if ask=$(dialog "$name_width"); then
  xdotool windowfocus --sync "$ask"
  xdotool key ctrl+a
  xdotool type Installed
  xdotool key Return
fi
wait_for 15 dialog "$over_width" >/dev/null || fail "no game-over dialog"
over=$(dialog "$over_width")
click_twips "$over" $((1455 + 487)) $((855 + 187))   # "Нет"
gui_stop_program

records="$home1/.local/share/quarvex/QuarvexFathers.txt"
[ -f "$records" ] || fail "records file not in the per-user data folder"
grep -q '^Installed' "$records" || fail "records file lacks the player's name"
settings=$(ls "$home1"/.local/share/quarvex/Qrvx*.ini 2>/dev/null | head -1)
[ -n "$settings" ] || fail "settings file not in the per-user data folder"
# The default sounds are the installed ones: every channel's path names a file that is there.
grep -q "^$root/usr/share/quarvex/sound/left1.WAV" "$settings" || fail "channels do not use the installed sound folder"
snapshot | diff "$work/prefix.before" - >/dev/null || fail "the program wrote under the installed prefix"

# A second account with its own data folder starts with its own table and leaves the first one alone.
cp "$records" "$work/records1"
home2="$work/home2"
launch_as "$home2" "$home2/data"
main=$(find_window "Quarvex Zeb Ostrela") || fail "second account shows no main window"
click_twips "$main" $((3240 + 120 + 2400 + 300)) $((6840 + 80 + 240 + 120))   # Exit
gui_stop_program
[ -f "$home2/data/quarvex/QuarvexFathers.txt" ] || fail "second account has no records file of its own"
grep -q '^Installed' "$home2/data/quarvex/QuarvexFathers.txt" && fail "second account sees the first one's records"
cmp -s "$records" "$work/records1" || fail "second account changed the first one's records"
snapshot | diff "$work/prefix.before" - >/dev/null || fail "the program wrote under the installed prefix"
# The Debian package holds the same files and asks for the libraries the program runs on.
wait "$cpack_pid" || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/pkg/quarvex_*_*.deb) || fail "no package built"
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/deb.list"
for f in usr/bin/quarvex usr/share/quarvex/ usr/share/applications/quarvex.desktop \
         usr/share/metainfo/org.quarvex.Quarvex.metainfo.xml usr/share/icons/hicolor/scalable/apps/quarvex.svg \
         usr/share/icons/hicolor/48x48/apps/quarvex.png; do
  grep -qx "./$f" "$work/deb.list" || fail "package lacks $f"
done
[ -d "$build/bin/sound" ] && { grep -q '^./usr/share/quarvex/sound/.' "$work/deb.list" || fail "package lacks the sound files"; }
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/org.quarvex.Quarvex.metainfo.xml" ||
  fail "metadata has no release $version"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 qt6-qpa-plugins libopenal1 libsndfile1 fonts-liberation fonts-dejavu-core; do
  grep -q "\b$p\b" <<<"$depends" || fail "package does not depend on $p: $depends"
done
# The WMA decoder, loaded on demand, is recommended, not required.
grep -q 'libav' <<<"$depends" && fail "package requires the on-demand WMA decoder: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
for p in libavformat59 libavcodec59; do
  grep -q "\b$p\b" <<<"$recommends" || fail "package does not recommend $p: $recommends"
done
echo "gui install test passed"
