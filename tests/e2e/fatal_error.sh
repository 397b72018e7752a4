#!/usr/bin/env bash
# A run-time fault of a program started without parameters shows a box titled
# "Error" with the fault's description, and the program ends without saving.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 5\r\n' >Vimo_Desk.ini
before=$(md5sum Vimo_Desk.ini)
spawn "$program" >"$work/log" 2>&1; pid=$last

xsearch --onlyvisible --name '^Vimo Duzi$' >/dev/null || fail "the desk did not appear"

kill -SEGV "$pid"
box=$(xsearch --name '^Error$' | head -1) || fail "no error box after the fault"
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
[[ "$(md5sum Vimo_Desk.ini)" == "$before" ]] || fail "the data file changed"
exit 0
