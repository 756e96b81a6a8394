#!/usr/bin/env bash
# Builds the simulator (the program and its generated data only, optimised) and starts it.
#   bash scripts/run.sh           build and play
#   bash scripts/run.sh --smoke   build, start it on a private X server until its first window
#                                 shows, then end it (ZUZAZIZO_SMOKE=1 does the same)
set -euo pipefail
cd "$(dirname "$0")/.."
smoke=${ZUZAZIZO_SMOKE:-0}
[ "${1:-}" = "--smoke" ] && smoke=1
build=${ZUZAZIZO_RUN_BUILD:-build-release}

bash scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target zuzazizo skin_data
[ "$smoke" = 1 ] || exec "$build/bin/zuzazizo"

source scripts/lib/desktop.sh
trap desktop_cleanup EXIT
xserver_home
xserver_start
SDL_AUDIODRIVER=dummy desktop_launch "$build/bin/zuzazizo"
win=$(desktop_window "${ZUZAZIZO_SMOKE_SECONDS:-30}")
echo "smoke start: window $win ($(xdotool getwindowname "$win" 2>/dev/null || true)) shown"
