#!/usr/bin/env bash
# The web radio from the desk: the radio window opens from the clock bar, a
# loopback station is saved, listened to and made preset 2 under a
# five-letter label; after a restart the preset plays it (the station sees
# the request) and the clock bar's stop button ends the connection. With
# VD_E2E_SHOTS naming a folder, screenshots of the radio window and the desk
# in French and in English are left there.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"

shots=${VD_E2E_SHOTS:-}
shot() { [[ -z $shots ]] || import -window root "$shots/$1.png"; }

# An endless MP3 station on 127.0.0.1; it logs "open PATH" and "closed PATH".
station_log="$work/station.log"
: >"$station_log"
cat >"$work/station.py" <<'PY'
import socket, sys, threading
body = open(sys.argv[1], "rb").read()
log = open(sys.argv[2], "a", buffering=1)
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(8)
print(server.getsockname()[1], flush=True)
def serve(connection):
    head = b""
    while b"\r\n\r\n" not in head and len(head) < 16384:
        got = connection.recv(1024)
        if not got:
            break
        head += got
    path = head.split(b" ")[1].decode() if head.count(b" ") >= 2 else "?"
    log.write("open %s\n" % path)
    try:
        connection.sendall(b"HTTP/1.0 200 OK\r\nContent-Type: audio/mpeg\r\nicy-name: Loopback FM\r\n\r\n")
        while True:
            connection.sendall(body)
    except OSError:
        pass
    log.write("closed %s\n" % path)
    connection.close()
while True:
    connection, _ = server.accept()
    threading.Thread(target=serve, args=(connection,), daemon=True).start()
PY
spawn python3 "$work/station.py" "$root/tests/fixtures/tone_440hz.mp3" "$station_log" >"$work/port"
for _ in $(seq 100); do [[ -s $work/port ]] && break; sleep 0.05; done
station="http://127.0.0.1:$(head -1 "$work/port")/live"

# Waits until the station log holds $2 lines reading $1.
log_count() { grep -c "^$1" "$station_log" || true; }
station_sees() {
  for _ in $(seq 200); do [[ $(log_count "$1") -ge $2 ]] && return 0; sleep 0.05; done
  return 1
}

data() { printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nVolume = 0\r\nLng = %s\r\n' "$1"; }
data Fr >Vimo_Desk.ini
start_program() {
  spawn "$program" >>"$work/log" 2>&1
  pid=$last
  wid=$(desk) || fail "the desk did not appear"
  focus "$wid"
}
# Quits from the grip bar's close box; the program saves and stops the radio.
quit_program() {
  xdotool mousemove 104 5 click 1
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.05; done
  fail "the program did not end"
}
# Clock-bar controls, in the desk's pixels (the desk is borderless at 0, 0).
web_radio() { xdotool mousemove 76 221 click 1; }
preset2() { xdotool mousemove 55 165 click 1; }
stop_button() { xdotool mousemove 64 183 click 1; }
radio_window() { xsearch --onlyvisible --name '^Vimo Duzi - Web Radio$' | head -1; }
# A click at ($2, $3) inside window $1.
click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

start_program
web_radio
radio=$(radio_window) || fail "the radio window did not open"
focus "$radio"
click_in "$radio" 95 85
xdotool type --delay 10 "Loopback FM"
click_in "$radio" 340 85
xdotool type --delay 10 "$station"
click_in "$radio" 300 157  # Save
sleep 0.3
grep -q "^Loopback FM = $station" Vimo_Desk.ini || fail "Save did not write the station: $(cat Vimo_Desk.ini)"
click_in "$radio" 105 157  # Listen
station_sees open 1 || fail "Listen did not reach the station"
sleep 0.5
shot radio-window-fr

click_in "$radio" 402 115  # Fav. 2.
dialog=$(xsearch --onlyvisible --name '^Favori WebRadio$' | head -1) || fail "no label question"
focus "$dialog"
xdotool type --delay 10 "Loop5"
xdotool key Return
sleep 0.5
shot desk-preset-fr
quit_program
station_sees closed 1 || fail "quitting left the station playing"
grep -q "^Loopback FM = Loop5" Vimo_Desk.ini || fail "preset 2 was not saved: $(cat Vimo_Desk.ini)"

# After a restart preset 2 plays the station; the stop button ends it.
start_program
preset2
station_sees open 2 || fail "preset 2 did not reach the station"
stop_button
station_sees closed 2 || fail "the stop button left the station playing"

# In English.
quit_program
sed -i 's/^Lng = Fr/Lng = Us/' Vimo_Desk.ini
start_program
preset2
station_sees open 3 || fail "preset 2 did not reach the station in English"
web_radio
radio=$(radio_window) || fail "the radio window did not open in English"
sleep 0.5
shot radio-window-en
stop_button
station_sees closed 3 || fail "the stop button left the station playing in English"
quit_program
echo "PASS"
