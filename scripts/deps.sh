#!/usr/bin/env bash
# Installs what building, running and testing the simulator needs on Debian 12.
# Only missing packages are installed; apt-get runs through sudo when we are not root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libsdl2-dev libsdl2-mixer-dev libxkbcommon-dev libxkbcommon-x11-dev libxcb-xkb-dev fonts-dejavu-core fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xdotool imagemagick x11-utils x11-xkb-utils x11-xserver-utils sox
  emscripten esbuild chromium node-ws
  pulseaudio pulseaudio-utils
  openbox weston xwayland qt6-wayland
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# The sound-server tests start a private PulseAudio daemon. On a desktop whose sound server is
# PipeWire, installing PulseAudio beside it would compete for the user's sound at the next login:
# there it is left out, and those tests are skipped.
if installed pipewire-pulse && ! installed pulseaudio; then
  echo "pipewire-pulse is installed: leaving pulseaudio out (the sound-server tests will be skipped)"
  kept=()
  for p in "${packages[@]}"; do [ "$p" = pulseaudio ] || kept+=("$p"); done
  packages=("${kept[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
