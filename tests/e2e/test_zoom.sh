#!/usr/bin/env bash
# Zoom of the windowed mode under a real X server: a stored zoom of 3 gives a window three times
# the game area painted from the skin's 3x drawings, Ctrl+Minus brings it back to 1x and stores
# that, and a HiDPI scale of 2 paints from the 2x drawings. Each screen is checked for holes
# between the pictures, where the black root window would show through.
E2E_SCREEN=2000x1200
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2 Zoom=3

game_w=609
game_h=377
skin=$E2E_BIN/Graphics/Skin

# Window position and size in screen pixels: "X Y W H".
geometry() {
  xdotool getwindowgeometry "$E2E_WIN" |
    sed -n 's/.*Position: \(-\?[0-9]*\),\(-\?[0-9]*\).*/\1 \2/p; s/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p' |
    tr '\n' ' ' | sed 's/ $//'
}

# Waits until the window is SCALE times the game area; sets E2E_WX, E2E_WY.
window_at_scale() {
  local scale=$1 want="$((game_w * $1)) $((game_h * $1))" deadline=$((SECONDS + 10)) g
  while :; do
    g=$(geometry)
    [ "${g#* * }" = "$want" ] && break
    [ "$SECONDS" -ge "$deadline" ] && fail "window is ${g#* * }, not $want at ${scale}x"
    sleep 0.1
  done
  read -r E2E_WX E2E_WY _ <<<"$g"
  pass "window is $want at ${scale}x"
  sleep 0.3  # the first paint after the resize
}

# The branding under the LCD is the case alone: on screen it must be the drawing of that scale
# pixel for pixel, not an enlargement of the 1x picture.
case_is_drawing() {
  local n=$1 picture=$2
  local crop="$((280 * n))x$((60 * n))"
  shot
  convert "$E2E_LAST_SHOT" -crop "$crop+$((E2E_WX + 160 * n))+$((E2E_WY + 305 * n))" +repage \
    "$E2E_HOME/screen.png"
  convert "$skin/$picture" -crop "$crop+$((160 * n))+$((305 * n))" +repage -alpha off \
    "$E2E_HOME/drawing.png"
  local differ
  differ=$(compare -metric AE -fuzz 2% "$E2E_HOME/screen.png" "$E2E_HOME/drawing.png" null: 2>&1 || true)
  [ "${differ%.*}" -le $((280 * 60 * n * n / 100)) ] ||
    fail "the case at ${n}x differs from $picture in $differ pixels"
  pass "the case at ${n}x is $picture ($differ pixels off)"
}

# Inside the case's outline every pixel is painted; the root window is pure black.
no_holes() {
  local n=$1 margin=$((40 * $1)) holes
  holes=$(convert "$E2E_LAST_SHOT" \
    -crop "$((game_w * n - 2 * margin))x$((game_h * n - 2 * margin))+$((E2E_WX + margin))+$((E2E_WY + margin))" \
    +repage -format %c histogram:info:- | sed -n 's/^ *\([0-9]*\):.*#000000 .*/\1/p')
  [ -z "$holes" ] || fail "$holes pixels of the root window show through at ${n}x"
  pass "no holes between the pictures at ${n}x"
}

window_at_scale 3
case_is_drawing 3 im_background@3x.png
no_holes 3
key 3  # the time of day: digits over the glass
shot
no_holes 3

key ctrl+minus
key ctrl+minus
window_at_scale 1
case_is_drawing 1 im_background.png
no_holes 1
expect_eq "the zoom is stored" "1" "$(poll_until 5 1 setting Zoom)"

kill -9 "$E2E_PID"
E2E_PID=""
QT_SCALE_FACTOR=2 e2e_launch
window_at_scale 2
case_is_drawing 2 im_background@2x.png
no_holes 2
