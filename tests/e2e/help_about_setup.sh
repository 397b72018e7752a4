#!/usr/bin/env bash
# The keys of the desk on a real display: F1 opens the French help page
# installed beside the program with the desktop's opener (a recording stand-in
# here), Ctrl+F1 shows the About window, Ctrl+P the preferences, and Ctrl+V
# against a server that does not answer says that the check failed.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
bin="$work/bin"
mkdir -p "$bin"
cat >"$bin/xdg-open" <<'EOF2'
#!/bin/sh
printf '%s\n' "$1" >>"$(dirname "$0")/opened"
EOF2
chmod +x "$bin/xdg-open"
export PATH="$bin:$PATH"
# Nothing listens on port 9 of the loopback interface.
export VIMO_DUZI_WEB_BASE=http://127.0.0.1:9

printf '\xef\xbb\xbf\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nLng = Fr\r\n' >Vimo_Desk.ini
"$program" >"$work/log" 2>&1 &
pid=$!
desk=$(desk) || fail "the desk did not appear"
press() { focus "$desk"; xdotool key "$1"; }

press F1
for _ in $(seq 100); do [[ -s "$bin/opened" ]] && break; sleep 0.05; done
expected="$(dirname "$program")/Vimo_Desk_Help_Fr/Presentation.htm"
[[ "$(cat "$bin/opened" 2>/dev/null)" == "$expected" ]] || fail "F1 opened: $(cat "$bin/opened" 2>/dev/null), not $expected"

press ctrl+F1
about=$(xsearch --onlyvisible --name '^About Vimo Duzi$' | head -1) || fail "no About window"
eval "$(xdotool getwindowgeometry --shell "$about")"
[[ $WIDTH == 600 && $HEIGHT == 210 ]] || fail "the About window is $WIDTH x $HEIGHT"
xdotool mousemove $((X + 300)) $((Y + 192)) click 1  # its OK button
for _ in $(seq 100); do xdotool search --onlyvisible --name '^About Vimo Duzi$' >/dev/null || break; sleep 0.05; done
xdotool search --onlyvisible --name '^About Vimo Duzi$' >/dev/null && fail "OK did not close the About window"

press ctrl+p
xsearch --onlyvisible --name '^Préférences$' >/dev/null || fail "no preferences window"

press ctrl+v
answer '^Échec de la vérification$' Return
echo "help, about and setup: ok"
