#!/usr/bin/env bash
# The sound output against a private PulseAudio server with a null sink (bench/sound_latency.cpp
# says what is measured).
#   bench/sound_latency.sh [BIN_DIR] [PLAYS]
set -euo pipefail
bin=${1:-build/bin}
plays=${2:-20}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home/config
unset SDL_AUDIODRIVER PULSE_SERVER
source "$(dirname "$0")/../tests/e2e/pulse_server.sh"
pulse_start
"$bin/sound_latency" "$plays" "$(pulse_sink).monitor"
