#!/usr/bin/env bash
# Builds the web site, serves it with broken copies beside it, and runs the page's tests in a
# headless Chromium.
# Usage: run.sh <folder with the desktop build's Config.ini, Graphics, Sound> <test file>.mjs
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
skin=$(cd "${1:-$root/build/bin}" && pwd)
test_file=${2:-$root/tests/web/handheld_test.mjs}
# The tests find the desktop build's own programs there too (the pixel test's frames tool).
export ZUZAZIZO_SKIN_DIR=$skin
bash "$root/scripts/web.sh" --build >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/build-web/site" "$work/ok"
cp -r "$work/ok" "$work/no-config" && rm "$work/no-config/Config.ini"
# A site built from a skin with a damaged picture: its atlas leaves the picture out, and the page
# fetches the file itself.
atlas_tool=$skin/zuzazizo_picture_atlas
[ -x "$atlas_tool" ] || atlas_tool=$root/build/bin/zuzazizo_picture_atlas
cp -r "$work/ok" "$work/bad-picture" && echo "not a picture" >"$work/bad-picture/Graphics/Skin/im_hero_1_1.png"
"$atlas_tool" "$work/bad-picture" Graphics/Skin
cp -r "$work/ok" "$work/no-sound" && rm "$work/no-sound/Sound/Gameover.wav"
cp -r "$work/ok" "$work/bad-atlas" && echo "not a picture" >"$work/bad-atlas/pictures.png"
cp -r "$work/ok" "$work/no-wasm" && rm "$work/no-wasm/js/handheld_core.wasm"

source "$root/scripts/lib/serve.sh"
serve_folder "$work" ok/
port=$SERVE_PORT
# A test may serve a copy of the site itself (to stop and start its server): this one is built.
WEB_SITE_DIR="$work/ok" node "$test_file" "http://127.0.0.1:$port"
