#!/usr/bin/env bash
# The documents open from the executable's folder whatever folder the program is started from:
# F2 and F3 from the keyboard, "Edit configuration file" from the in-window game menu. A stand-in
# xdg-open on PATH records what the desktop was asked to open.
source "$(dirname "$0")/lib.sh"
E2E_BIN=$(cd "$E2E_BIN" && pwd)
mkdir -p "$E2E_HOME/fakebin" "$E2E_HOME/elsewhere"
opened=$E2E_HOME/opened
cat > "$E2E_HOME/fakebin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$1" >> "$opened"
STANDIN
chmod +x "$E2E_HOME/fakebin/xdg-open"
export PATH=$E2E_HOME/fakebin:$PATH
# A document of the same name in the working folder must not be the one opened.
touch "$E2E_HOME/elsewhere/Readme.txt" "$E2E_HOME/elsewhere/Config.ini"
cd "$E2E_HOME/elsewhere"
e2e_start FullscreenMode=1 SplashScreen=0 SoundMode=2

openings() { wc -l <"$opened" 2>/dev/null || echo 0; }
# Waits up to SECONDS for COUNT recorded openings; prints them as local paths, one a line.
opened_within() {
  poll_until "$1" "$2" openings >/dev/null
  [ -f "$opened" ] && sed 's|^file://||' "$opened"
}
pixel() { convert "$E2E_LAST_SHOT" -format "%[pixel:p{$1}]" info:; }

key F2
key F3
shot
behind_panel=$(pixel 150,300)
xdotool mousemove 18 16 click 1
sleep 0.3
shot  # the unfolded menu
[ "$(pixel 150,300)" != "$behind_panel" ] || fail "the game menu did not unfold"
pass "the game menu unfolded"
xdotool mousemove 100 208 click 1  # row 6, "Edit configuration file"
expect_eq "documents opened" \
  "$E2E_BIN/Readme.txt $E2E_BIN/Whatsnew.txt $E2E_BIN/Config.ini" \
  "$(opened_within 10 3 | tr '\n' ' ' | sed 's/ $//')"
xdotool mousemove 600 700
sleep 0.3
shot
expect_eq "the row's release folded the menu" "$behind_panel" "$(pixel 150,300)"
running || fail "the program ended"
