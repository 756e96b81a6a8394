#!/usr/bin/env bash
# Makes the README's picture of the simulator: the built program on a private X server, showing
# the time of day, cut out of the screen.
#   bash scripts/screenshot.sh [BUILD_DIR] [OUT.png]   (defaults: build-release, docs/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
out=$(realpath -m "${2:-docs/screenshot.png}")
[ -x "$build/bin/zuzazizo" ] || { echo "build it first: bash scripts/run.sh --smoke" >&2; exit 1; }
source scripts/lib/desktop.sh
trap desktop_cleanup EXIT

desktop_home
mkdir -p "$XDG_CONFIG_HOME/Tessaron"
printf '[General]\nFullscreenMode=0\nSplashScreen=0\nSoundMode=2\n' \
  >"$XDG_CONFIG_HOME/Tessaron/Dovuruza50.conf"
desktop_xserver
SDL_AUDIODRIVER=dummy desktop_launch "$build/bin/zuzazizo"
win=$(desktop_window 30)
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool mousemove 0 0
# Power-on lights every segment; TIME turns to the clock.
sleep 1
xdotool keydown 3
sleep 0.1
xdotool keyup 3
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"
mkdir -p "$(dirname "$out")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "$out"
