#!/usr/bin/env bash
# Builds the simulator for web browsers into build-web/site/ and serves it.
#   bash scripts/web.sh           build, then serve at http://127.0.0.1:8000/ (Ctrl+C ends)
#   bash scripts/web.sh --build   build only
# The site is a folder of static files any web server can host. Its pictures and sounds are the
# desktop build's own (the skin_data target); ZUZAZIZO_SKIN_DIR names a folder that already holds
# them, such as an existing build's bin/. ZUZAZIZO_WEB_PORT changes the port.
set -euo pipefail
cd "$(dirname "$0")/.."
serve=1
[ "${1:-}" = "--build" ] && serve=0
out=build-web
site=$out/site

bash scripts/deps.sh

skin=${ZUZAZIZO_SKIN_DIR:-build/bin}
# The dialogs' pictures and the icons are drawn beside the skin, in the build's generated/.
generated=${ZUZAZIZO_GENERATED_DIR:-$skin/../generated}
atlas_tool=$skin/zuzazizo_picture_atlas
if [ ! -f "$skin/Config.ini" ] || [ ! -d "$generated/icons/web" ] || [ ! -x "$atlas_tool" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  if [ ! -f "$skin/Config.ini" ] || [ ! -d "$generated/icons/web" ]; then
    cmake --build build --target skin_data
    skin=build/bin
    generated=build/generated
  fi
  cmake --build build --target zuzazizo_picture_atlas
  atlas_tool=build/bin/zuzazizo_picture_atlas
fi

# Emscripten's own JavaScript modules are found through NODE_PATH with a Node.js that is not
# Debian's.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S src/web -B "$out/wasm" -G Ninja >/dev/null
cmake --build "$out/wasm"

rm -rf "$site" "$out/js"
mkdir -p "$site" "$out/js"
cp -r src/web/site/. "$site/"
# The page's modules and the handheld's own become one module: a browser fetches them with one
# request instead of one each (the map leads its debugger back to the modules).
mv "$site/js/"* "$out/js/"
cp "$out/wasm/handheld_core.mjs" "$out/js/"
esbuild "$out/js/main.js" --bundle --format=esm --platform=browser --external:fs --external:path \
  --minify --sourcemap --log-level=warning --outfile="$site/js/main.js"
cp "$out/wasm/handheld_core.wasm" "$site/js/"
cp "$skin/Config.ini" "$site/"
cp -r "$skin/Graphics" "$skin/Sound" "$skin/Readme.txt" "$skin/Whatsnew.txt" "$site/"
cp -r "$generated/dialogs" "$site/dialogs"
cp -r "$generated/icons/web" "$site/icons"
# The handheld's pictures, packed by size: one request for all of them at the page's start.
"$atlas_tool" "$site" Graphics/Skin
python3 scripts/lib/web_offline.py "$site"
echo "web site built in $site"

[ "$serve" = 1 ] || exit 0
port=${ZUZAZIZO_WEB_PORT:-8000}
exec python3 scripts/web_serve.py "$port" "$site"
