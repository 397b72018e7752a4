#!/usr/bin/env bash
# The clock's windows as a user opens them: a click on the time gives the
# small clock in the desk's place and a click on it gives the desk back; a
# click on the date opens the calendar and another stores and closes it; the
# desk menu's second item opens the needle clock where the data file puts it.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"

# The visible window at that place and size, if any.
window_at() {
  local w
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [[ $(xdotool getwindowgeometry --shell "$w" 2>/dev/null | tr '\n' ' ') == *"X=$1 Y=$2 WIDTH=$3 HEIGHT=$4 "* ]]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}
wait_for() {
  for _ in $(seq 50); do "$@" >/dev/null && return 0; sleep 0.1; done
  return 1
}
not() { ! "$@"; }

printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 30\r\nY_Origin = 40\r\nNeedle_Clock_X = 400\r\nNeedle_Clock_Y = 100\r\nNeedle_Clock_Size = 150\r\n' >Vimo_Desk.ini
spawn "$program" >"$work/log" 2>&1; pid=$last
wait_for window_at 30 40 110 700 || fail "the desk did not appear"

# The time is at client y 16 to 46: the small clock takes the desk's place.
xdotool mousemove 60 70 click 1
wait_for window_at 30 76 115 28 || fail "no small clock under the desk's clock bar"
wait_for not window_at 30 40 110 700 || fail "the desk stayed while the small clock is shown"
xdotool mousemove 100 90 click 1
wait_for window_at 30 40 110 700 || fail "the desk did not come back"
wait_for not window_at 30 76 115 28 || fail "the small clock stayed"

# The date is at client y 66 to 86.
xdotool mousemove 85 112 click 1
xsearch --onlyvisible --name '^Calendrier$' >/dev/null || fail "no calendar"
xdotool mousemove 85 112 click 1
wait_for not xdotool search --onlyvisible --name '^Calendrier$' || fail "the calendar stayed open"
grep -q $'^\\[Calendar\\]\r$' Vimo_Desk.ini || fail "the events were not stored"
grep -q $'^Event_1 = 0\r$' Vimo_Desk.ini || fail "event 1 should be empty"

# The desk menu from the grip bar; its second item is the needle clock.
xdotool mousemove 80 48 click 3
sleep 0.5
xdotool key Down Down Return
wait_for window_at 400 100 150 150 || fail "no needle clock"
