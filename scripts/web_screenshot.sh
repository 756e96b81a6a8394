#!/usr/bin/env bash
# Makes the README's pictures of the web page: the built site in a headless Chromium, on a wide
# screen with the manual open beside the handheld, and on a phone held upright.
#   bash scripts/web_screenshot.sh [SKIN_DIR] [OUT_DIR]   (defaults: build/bin, docs)
set -euo pipefail
cd "$(dirname "$0")/.."
skin=$(realpath "${1:-build/bin}")
out=$(realpath -m "${2:-docs}")
ZUZAZIZO_SKIN_DIR=$skin bash scripts/web.sh --build >/dev/null
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory build-web/site >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
mkdir -p "$out"
node scripts/lib/web_screenshot.mjs "http://127.0.0.1:$port/" "$out"
