#!/usr/bin/env bash
# How long a game controller's press takes to reach the handheld in the real program: a virtual
# controller presses LIGHT again and again (bench/gamepad_probe.cpp).
#   bench/gamepad_latency.sh [BIN_DIR] [PRESSES]
source "$(dirname "$0")/xvfb.sh" "${1:-build/bin}"
bench_settings FullscreenMode=0 SplashScreen=0 SoundMode=2
"$BENCH_BIN/gamepad_probe" latency "${2:-50}"
