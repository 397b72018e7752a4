#!/usr/bin/env bash
# Music heard from the desk: "Lire un MP3/OGG" plays a tone through the
# built program to the null sink of a private PulseAudio daemon, whose
# monitor is measured: sound while playing, silence after Pause, Mute and
# Stop, sound again after resume and unmute, and the level at slider 50
# between those at 25 and 100. The strip (Ctrl+M) shows the file's tags.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
source "$root/tests/e2e/lib/pulse.bash"

# A tone at half of full scale: 0.354 root mean square, at volume 100.
audible=0.1
silent=0.002
settle=1
measure=1

# Two minutes of 440 Hz, tagged.
make_tone_mp3 "$work/tone.mp3" --tt "La 440" --ta "Diapason" --tl "Accords" --ty 2024

pulse_start
pulse_level 0 1 >/dev/null  # the recorder delivers
before=$(pulse_level 0 "$measure")
above "$silent" "$before" || fail "the sink is not quiet before anything plays ($before)"

printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nVolume = 100\r\n' >Vimo_Desk.ini
"$program" >"$work/log" 2>&1 &
pid=$!
wid=$(desk) || fail "the desk did not appear"

# "Lire un MP3/OGG" from the desk menu plays the file.
play_from_desk_menu "$wid" "$work/tone.mp3"

pulse_sound_comes "$audible" 15 || fail "the tone is not heard"
full=$(pulse_level "$settle" "$measure")
above "$full" "$audible" || fail "playing, the level is $full"

# Clock-bar controls, in the desk's client pixels (the desk is borderless at 0, 0).
pause() { xdotool mousemove 46 183 click 1; }
stop() { xdotool mousemove 64 183 click 1; }
mute() { xdotool mousemove 55 221 click 1; }
# Each sets $level to what the sink gets after the command named by $1.
expect_silent() {
  level=$(pulse_level "$settle" "$measure")
  above "$silent" "$level" || fail "after $1 the level is $level"
}
expect_sound() {
  pulse_sound_comes "$audible" 10 || fail "after $1 nothing is heard"
  level=$(pulse_level "$settle" "$measure")
  above "$level" "$audible" || fail "after $1 the level is $level"
}

pause && expect_silent Pause && paused=$level
pause && expect_sound resume && resumed=$level
mute && expect_silent Mute && muted=$level
mute && expect_sound unmute && unmuted=$level

# The volume slider by its keys: Home is 0, Page Up adds 10, Right 1.
focus "$wid"
xdotool mousemove 104 201 click 1
xdotool key --delay 40 Home Prior Prior Right Right Right Right Right
at25=$(pulse_level "$settle" "$measure")
xdotool key --delay 40 Prior Prior Right Right Right Right Right
at50=$(pulse_level "$settle" "$measure")
above "$at50" "$at25" || fail "slider 50 ($at50) is not louder than 25 ($at25)"
above "$full" "$at50" || fail "slider 50 ($at50) is not quieter than 100 ($full)"

# The strip shows the tags.
focus "$wid"
xdotool key ctrl+m
strip=
for _ in $(seq 50); do
  strip=$(xdotool search --onlyvisible --class vimo-duzi | grep -vx "$wid" | head -1 || true)
  [[ -n $strip ]] && break
  sleep 0.2
done
[[ -n $strip ]] || fail "Ctrl+M shows no strip"
geometry=$(xdotool getwindowgeometry "$strip")
grep -q "Position: 200,5" <<<"$geometry" || fail "the strip is not at 200, 5: $geometry"
grep -q "Geometry: [0-9]*x20$" <<<"$geometry" || fail "the strip is not 20 pixels high: $geometry"

stop && expect_silent Stop && stopped=$level
echo "levels: before $before, playing $full, paused $paused, resumed $resumed, muted $muted, unmuted $unmuted," \
  "slider 25 $at25, 50 $at50, stopped $stopped"
exit 0
