#!/usr/bin/env bash
# First start creates the data file; the second start shows the desk at
# (1, 1), 110 x 700; Ctrl+D and Ctrl+G move it to the right and left edges and
# save; the grip bar's close box saves and quits with exit code 0.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"

geometry() { xdotool getwindowgeometry --shell "$1" | tr '\n' ' '; }
saved() { grep -a "^$1 = " Vimo_Desk.ini | tr -d '\r' | sed 's/^[^=]*= //'; }
wait_exit() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  local code=0
  wait "$pid" || code=$?
  pid=
  [[ $code -eq 0 ]] || fail "exit code $code"
}
# The close box is at the right end of the grip bar.
close_box() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + 102)) $((Y + 8)) click 1
}

# First start: create the data file. The desk keeps its start values for this
# run, so the run is ended from outside: a quit would save them over the file's.
spawn "$program" >"$work/log" 2>&1; pid=$last
answer '^Fichier de données non trouvé \(DataFile NOT found\) $' y
answer '^Ok$' Return
desk >/dev/null || fail "the desk did not appear"
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=

# Second start: the desk where the new file puts it.
spawn "$program" >"$work/log" 2>&1; pid=$last
w=$(desk) || fail "the desk did not appear at the second start"
sleep 0.3
g=$(geometry "$w")
[[ $g == *"X=1 Y=1 WIDTH=110 HEIGHT=700"* ]] || fail "desk geometry: $g"

focus "$w"
xdotool key ctrl+d
sleep 0.5
g=$(geometry "$w")
[[ $g == *"X=1810 Y=0 "* ]] || fail "after Ctrl+D: $g"
[[ $(saved X_Origin) == 1810 ]] || fail "Ctrl+D did not save"

focus "$w"
xdotool key ctrl+g
sleep 0.5
g=$(geometry "$w")
[[ $g == *"X=0 Y=0 "* ]] || fail "after Ctrl+G: $g"
[[ $(saved X_Origin) == 0 ]] || fail "Ctrl+G did not save"

# Drag the desk by its grip bar, then quit: the close box saves the new place.
xdotool mousemove 50 8 mousedown 1 && sleep 0.2
xdotool mousemove 150 108 && sleep 0.2 && xdotool mousemove 250 208 && sleep 0.2 && xdotool mouseup 1
sleep 0.3
close_box "$w"
wait_exit
[[ $(saved X_Origin) == 200 && $(saved Y_Origin) == 200 ]] || fail "the close box did not save the place"
[[ $(saved Desk_Width) == 110 ]] || fail "no full save on quit"
exit 0
