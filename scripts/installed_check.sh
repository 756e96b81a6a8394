#!/usr/bin/env bash
# Starts an installed simulator as a user would: by its command on the PATH, from a folder that
# is not its own, with an empty home, on a private X server. Passes when the window shows the
# skin with the LCD readable (the time of day in digits) and the Start sample is heard through
# SDL's disk driver after GAME A.
#   bash scripts/installed_check.sh [COMMAND]      (default: zuzazizo)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-zuzazizo}
exe=$(command -v "$command") || { echo "FAIL: no $command on the PATH" >&2; exit 1; }
data_dir=$(dirname "$(readlink -f "$exe")")
source "$repo/scripts/lib/desktop.sh"
trap desktop_cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$XSERVER_HOME/log" >&2 || true; exit 1; }

xserver_home
mkdir -p "$XSERVER_HOME/elsewhere"
xserver_settings FullscreenMode=0 SplashScreen=0 SoundMode=0
xserver_start
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$XSERVER_HOME/audio.raw
cd "$XSERVER_HOME/elsewhere"
desktop_launch "$command"
win=$(desktop_window 30) || fail "no window"
xdotool windowfocus --sync "$win" 2>/dev/null || true

reading=$(desktop_show_clock "$win" "$data_dir") ||
  fail "the skin's LCD shows no time (read '$reading')"
echo "ok: $exe (data in $data_dir) started from another folder; the LCD reads '$reading'"

key() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep 0.2; }
loud_bytes() { [ -f "$SDL_DISKAUDIOFILE" ] && tr -d '\000' <"$SDL_DISKAUDIOFILE" | wc -c || echo 0; }
key 1
heard=0 deadline=$((SECONDS + 15))
while [ "$SECONDS" -lt "$deadline" ]; do
  heard=$(loud_bytes)
  [ "$heard" -gt 1000 ] && break
  sleep 0.2
done
[ "$heard" -gt 1000 ] || fail "the Start sample was not heard ($heard loud bytes)"
echo "ok: the Start sample was heard through SDL's disk driver ($heard loud bytes)"
