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

xserver_home
xserver_settings FullscreenMode=0 SplashScreen=0 SoundMode=2
xserver_start
SDL_AUDIODRIVER=dummy desktop_launch "$build/bin/zuzazizo"
win=$(desktop_window 30)
xdotool windowfocus --sync "$win" 2>/dev/null || true
xdotool mousemove 0 0
desktop_show_clock "$win" "$build/bin" >/dev/null
eval "$(xdotool getwindowgeometry --shell "$win")"
mkdir -p "$(dirname "$out")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "$out"
