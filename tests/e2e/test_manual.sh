#!/usr/bin/env bash
# The manual viewer from its F4 shortcut: centred at its design size on page 1, the right arrow
# turning pages, a held arrow turning one, Esc closing it and the manual reopening where it was.
source "$(dirname "$0")/lib.sh"
e2e_start FullscreenMode=0 SplashScreen=0 SoundMode=2

# Differing pixels between the viewer's middle and the same part of page N's picture; the
# corners hold the buttons. MX,MY is the window's position on the screen.
page_difference() {  # N MX MY
  shot
  local part=200x160+95+70 screen_part
  screen_part=200x160+$(( $2 + 95 ))+$(( $3 + 70 ))
  convert "$E2E_LAST_SHOT" -crop "$screen_part" +repage "$E2E_HOME/seen.png"
  convert "$E2E_BIN/Graphics/Manual/$1.bmp" -crop "$part" +repage "$E2E_HOME/page.png"
  compare -metric AE -fuzz 3% "$E2E_HOME/seen.png" "$E2E_HOME/page.png" null: 2>&1 || true
}
shows_page_within() {  # SECONDS N MX MY -> "page N" once the viewer shows it
  local diff
  diff=$(poll_until "$1" 0 page_difference "$2" "$3" "$4")
  if [ "$diff" = 0 ]; then echo "page $2"; else echo "not page $2 ($diff pixels differ)"; fi
}

key F4
manual=$(wait_window '^Manual' "F4 opened no manual window")
geo=$(xdotool getwindowgeometry "$manual")
mx=$(sed -n 's/.*Position: \(-\?[0-9]*\),.*/\1/p' <<<"$geo")
my=$(sed -n 's/.*Position: -\?[0-9]*,\(-\?[0-9]*\).*/\1/p' <<<"$geo")
expect_eq "manual size" "390x300" "$(sed -n 's/.*Geometry: \([0-9x]*\).*/\1/p' <<<"$geo")"
expect_eq "manual centred on the 1024x768 screen" "317,234" "$mx,$my"
expect_eq "first page" "page 1" "$(shows_page_within 5 1 "$mx" "$my")"

key Right
expect_eq "right arrow turns the page" "page 2" "$(shows_page_within 5 2 "$mx" "$my")"
key Right
expect_eq "and the next" "page 3" "$(shows_page_within 5 3 "$mx" "$my")"
xdotool keydown Right
sleep 1.5  # long enough for the X server to repeat the key many times
xdotool keyup Right
expect_eq "a held arrow turns one page" "page 4" "$(shows_page_within 5 4 "$mx" "$my")"
sleep 0.5
expect_eq "and no more" "page 4" "$(shows_page_within 1 4 "$mx" "$my")"

key Escape
[ -z "$(poll_until 5 "" window_named '^Manual')" ] || fail "Esc did not close the manual"
pass "Esc closed the manual"
running || fail "closing the manual ended the program"

# No window manager hands the focus back, so give it to the main window as one would.
xdotool windowfocus --sync "$E2E_WIN" 2>/dev/null || true
key F4
manual=$(wait_window '^Manual' "F4 did not reopen the manual")
expect_eq "reopened where it was left" "page 4" "$(shows_page_within 5 4 "$mx" "$my")"
