#!/usr/bin/env bash
# The web page's benchmark (bench/web_page.mjs) as a player's browser meets it: the site built and
# served by scripts/web_serve.py, and a private PulseAudio server with a null sink as the sound
# output, which the browser finds where every desktop puts it.
#   bench/web_page.sh [TICKS]
set -euo pipefail
cd "$(dirname "$0")/.."
ticks=${1:-1000}
bash scripts/web.sh --build >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
source tests/e2e/pulse_server.sh
pulse_start

source scripts/lib/serve.sh
serve_folder build-web/site
port=$SERVE_PORT
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
node bench/web_page.mjs "http://127.0.0.1:$port/" build-web/site "$ticks"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
