#!/usr/bin/env bash
# Installs the Debian packages that Quarvex needs to build, run and test,
# skipping those already present. Safe to run again.
set -euo pipefail

PACKAGES=(
  g++ cmake make
  pkg-config
  qt6-base-dev qt6-base-dev-tools
  libopenal-dev libsndfile1-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xdotool imagemagick x11-utils openbox xfwm4
  desktop-file-utils appstream dpkg-dev file
)
# A nested GNOME Wayland session for the real-program tests, and Qt's Wayland platform that
# such a session offers.
PACKAGES+=(mutter xwayland dbus qt6-wayland)
# Headers of the WMA decoder that the music player loads on demand.
PACKAGES+=(libavformat-dev libavcodec-dev libavutil-dev)
# Qt's translation tools: lrelease compiles the English translation at build time.
PACKAGES+=(qt6-l10n-tools)
# Game pads: SDL2's game controller; the X server's key repeat and focus through libX11 and libxcb.
PACKAGES+=(libsdl2-dev libx11-dev libxcb1-dev)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
