#!/usr/bin/env bash
# One instance per data file. Ctrl+T (on top) leaves the keyboard with the
# desk, so Ctrl+H right after it hides the desk; with no tray host, the first
# hide says how to bring the desk back. A second start on the same data file
# shows the hidden desk again and ends at once with exit code 0, without
# touching the data file.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 40\r\nY_Origin = 30\r\nOn_Top = 0\r\n' >Vimo_Desk.ini
saved() { grep -a "^$1 = " Vimo_Desk.ini | tr -d '\r' | sed 's/^[^=]*= //'; }
visible() { xdotool search --onlyvisible --name '^Vimo Duzi$' >/dev/null 2>&1; }

spawn "$program" >"$work/log" 2>&1; pid=$last
w=$(desk) || fail "the desk did not appear"
sleep 0.3
focus "$w"
xdotool key ctrl+t
for _ in $(seq 50); do [[ $(saved On_Top) == 1 ]] && break; sleep 0.1; done
[[ $(saved On_Top) == 1 ]] || fail "Ctrl+T did not put the desk on top"
sleep 0.3
xdotool key ctrl+h  # no click, no focus: the keyboard must still be the desk's
answer '^Vimo Duzi masqué$' Return
for _ in $(seq 30); do visible || break; sleep 0.1; done
visible && fail "the desk is still shown after Ctrl+H"

before=$(md5sum Vimo_Desk.ini)
code=0
timeout 20 "$program" >"$work/second.log" 2>&1 || code=$?
[[ $code -eq 0 ]] || { cat "$work/second.log"; fail "the second start ended with $code"; }
for _ in $(seq 50); do visible && break; sleep 0.1; done
visible || fail "the second start did not bring the desk back"
[[ "$(md5sum Vimo_Desk.ini)" == "$before" ]] || fail "the second start changed the data file"
kill -0 "$pid" 2>/dev/null || fail "the first instance ended"
exit 0
