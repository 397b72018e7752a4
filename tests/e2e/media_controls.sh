#!/usr/bin/env bash
# The desktop's media controls drive the built program over a private session
# bus, as playerctl or a panel would with dbus-send: the music it plays is
# published with its title, Pause pauses it (silence on the sink), PlayPause
# resumes it, Next plays on, Stop stops it, each change is read back.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
source "$root/tests/e2e/lib/pulse.bash"
trap 'pulse_stop; end_started; rm -rf "$work"' EXIT

audible=0.1
silent=0.002
service=org.mpris.MediaPlayer2.vimo_duzi

make_tone_mp3 "$work/tone.mp3" --tt "La 440" --ta "Diapason" --tl "Accords" --tn 3

# A session bus of the script's own, which starts no other program.
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:path=$work/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/>
<allow own="*"/></policy></busconfig>
CONF
spawn dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile >"$work/bus.log" 2>&1
for _ in $(seq 100); do [[ -S $work/bus ]] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/bus"

pulse_start
pulse_level 0 1 >/dev/null

# What the player says of one property of the player interface.
property() {
  dbus-send --print-reply --reply-timeout=5000 --dest=$service /org/mpris/MediaPlayer2 \
    org.freedesktop.DBus.Properties.Get string:org.mpris.MediaPlayer2.Player "string:$1" 2>&1
}
status() { property PlaybackStatus | sed -n 's/.*string "\(.*\)"/\1/p'; }
# Waits until the status is $1.
status_becomes() {
  for _ in $(seq 100); do
    [[ $(status) == "$1" ]] && return 0
    sleep 0.1
  done
  fail "the status stays $(status), not $1"
}
send() { dbus-send --print-reply --reply-timeout=5000 --dest=$service /org/mpris/MediaPlayer2 "$1" >/dev/null; }

printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nVolume = 100\r\n' >Vimo_Desk.ini
spawn "$program" >"$work/log" 2>&1; pid=$last
wid=$(desk) || fail "the desk did not appear"
status_becomes Stopped

# "Lire un MP3/OGG" from the desk menu plays the file.
play_from_desk_menu "$wid" "$work/tone.mp3"
pulse_sound_comes "$audible" 15 || fail "the tone is not heard"

status_becomes Playing
metadata=$(property Metadata)
grep -q '"La 440"' <<<"$metadata" || fail "no title in the metadata: $metadata"
grep -q '"Diapason"' <<<"$metadata" || fail "no artist in the metadata: $metadata"
grep -q 'int32 3' <<<"$metadata" || fail "no track number in the metadata: $metadata"

send org.mpris.MediaPlayer2.Player.Pause
status_becomes Paused
level=$(pulse_level 1 1)
above "$silent" "$level" || fail "paused from the bus, the level is $level"
[[ $(xdotool getwindowname "$wid") ]] # the desk still answers

send org.mpris.MediaPlayer2.Player.PlayPause
status_becomes Playing
pulse_sound_comes "$audible" 10 || fail "resumed from the bus, nothing is heard"

send org.mpris.MediaPlayer2.Player.Next
status_becomes Playing
send org.mpris.MediaPlayer2.Player.Stop
status_becomes Stopped
level=$(pulse_level 1 1)
above "$silent" "$level" || fail "stopped from the bus, the level is $level"

dbus-send --print-reply --dest=$service /org/mpris/MediaPlayer2 org.freedesktop.DBus.Properties.Set \
  string:org.mpris.MediaPlayer2.Player string:Volume variant:double:0.3 >/dev/null
for _ in $(seq 50); do property Volume | grep -q 'double 0.3' && break; sleep 0.1; done
property Volume | grep -q 'double 0.3' || fail "the volume set from the bus reads $(property Volume)"
echo "media controls: ok"
