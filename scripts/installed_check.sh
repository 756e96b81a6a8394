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
fail() { echo "FAIL: $*" >&2; cat "$DESKTOP_HOME/log" >&2 || true; exit 1; }

desktop_home
mkdir -p "$XDG_CONFIG_HOME/Tessaron" "$DESKTOP_HOME/elsewhere"
printf '[General]\nFullscreenMode=0\nSplashScreen=0\nSoundMode=0\n' \
  >"$XDG_CONFIG_HOME/Tessaron/Dovuruza50.conf"
desktop_xserver
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$DESKTOP_HOME/audio.raw
cd "$DESKTOP_HOME/elsewhere"
desktop_launch "$command"
win=$(desktop_window 30) || fail "no window"
xdotool windowfocus --sync "$win" 2>/dev/null || true
geo=$(xdotool getwindowgeometry "$win")
wx=$(sed -n 's/.*Position: \(-\?[0-9]*\),.*/\1/p' <<<"$geo")
wy=$(sed -n 's/.*Position: -\?[0-9]*,\(-\?[0-9]*\).*/\1/p' <<<"$geo")

# Power-on lights every segment; TIME leads to the clock, whose minutes can never read 88.
key() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; sleep 0.2; }
sleep 0.5
key 3
reading="" deadline=$((SECONDS + 15))
while [ "$SECONDS" -lt "$deadline" ]; do
  import -window root "$DESKTOP_HOME/shot.png"
  reading=$(python3 "$repo/tests/e2e/lcd_probe.py" panel "$DESKTOP_HOME/shot.png" "$data_dir" \
    "$wx" "$wy")
  [[ $reading =~ ^[_0-9][0-9]{3}$ && $reading != 8888 ]] && break
  sleep 0.2
done
[[ $reading =~ ^[_0-9][0-9]{3}$ && $reading != 8888 ]] || fail "the skin's LCD shows no time (read '$reading')"
echo "ok: $exe (data in $data_dir) started from another folder; the LCD reads '$reading'"

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
