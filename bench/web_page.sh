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
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
source tests/e2e/pulse_server.sh
pulse_start

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 scripts/web_serve.py "$port" build-web/site &
server=$!
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
node bench/web_page.mjs "http://127.0.0.1:$port/" build-web/site "$ticks"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
