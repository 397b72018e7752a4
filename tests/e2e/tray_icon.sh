#!/usr/bin/env bash
# Under a tray host the tray icon shows the program's picture, not an empty
# square, and the toolkit never says that no icon was set. With VD_E2E_SHOTS
# set to a folder, the tray is also saved there as tray.png.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
command -v trayer >/dev/null || fail "no tray host: run tools/install-deps.sh (trayer)"
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 5\r\nY_Origin = 60\r\n' >Vimo_Desk.ini

spawn trayer --edge top --align left --widthtype pixel --width 240 --heighttype pixel --height 48 \
  --SetDockType false --SetPartialStrut false --transparent false >"$work/trayer.log" 2>&1
tray=$(xsearch --onlyvisible --class '^trayer$' | head -1) || fail "the tray host did not appear"
sleep 0.5
spawn "$program" >"$work/log" 2>&1; pid=$last
desk >/dev/null || fail "the desk did not appear"

# The picture: many colours where the tray alone has one or two.
eval "$(xdotool getwindowgeometry --shell "$tray")"
colours=0
for _ in $(seq 50); do
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/tray.png"
  colours=$(identify -format %k "$work/tray.png")
  ((colours > 8)) && break
  sleep 0.2
done
[[ -n ${VD_E2E_SHOTS:-} ]] && cp "$work/tray.png" "$VD_E2E_SHOTS/tray.png"
((colours > 8)) || fail "the tray icon shows no picture ($colours colours)"
grep -q "No Icon set" "$work/log" && fail "the toolkit says the tray icon has no picture"
exit 0
