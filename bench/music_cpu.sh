#!/usr/bin/env bash
# CPU time while music plays: the built program playing a tone chosen through
# "Lire un MP3/OGG", beside `mpv --no-video` playing the same file, both to
# the null sink of a private PulseAudio daemon, measured over the same
# SECONDS (60 by default) in one run. CPU time is the whole process's, all
# threads. Also the program's main thread's wake-ups (voluntary context
# switches) per second before and while playing: its own timers and
# painting, never the player.
#
#   bench/music_cpu.sh [program] [seconds]     (program: build/vimo-duzi)
#
# Needs mpv (the player program, for the comparison), pulseaudio, parec,
# lame, xdotool and Xvfb. Runs on its own Xvfb and ends what it started.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=${1:-$here/../build/vimo-duzi}
seconds=${2:-${VD_BENCH_SECONDS:-60}}
export VD_BENCH_SECONDS=$seconds  # kept when the script starts again on its own Xvfb
set -- "$program"
source "$here/../tests/e2e/lib/session.bash"
source "$root/tests/e2e/lib/pulse.bash"
command -v mpv >/dev/null || fail "mpv is not installed (apt-get install mpv)"
mpv_pid=
trap 'pulse_stop; for p in $pid $mpv_pid; do kill $p 2>/dev/null || true; done; rm -rf "$work"' EXIT

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
switches() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/task/$1/status"; }

python3 - "$work/tone.wav" "$((seconds + 60))" <<'PY'
import array, math, sys, wave
rate = 44100
second = array.array("h", (round(0.5 * 32767 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate)))
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(2)
    out.setsampwidth(2)
    out.setframerate(rate)
    stereo = array.array("h", (s for s in second for _ in range(2)))
    out.writeframes(stereo.tobytes() * int(sys.argv[2]))
PY
lame --quiet -b 192 "$work/tone.wav" "$work/tone.mp3"
rm "$work/tone.wav"

pulse_start
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nVolume = 50\r\n' >Vimo_Desk.ini
"$program" >"$work/log" 2>&1 &
pid=$!
wid=$(desk) || fail "the desk did not appear"
xdotool mousemove 500 500  # the pointer away from the desk: no tooltips
idle_seconds=10
sleep 2
idle_start=$(switches "$pid")
sleep "$idle_seconds"
idle_wakes=$(($(switches "$pid") - idle_start))
focus "$wid"
xdotool mousemove 50 8 click 3
sleep 0.5
xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Down Down Return
dialog=$(timeout 20 xdotool search --sync --onlyvisible --name '^Lire un Fichier MP3$' | head -1) || fail "no file dialog"
focus "$dialog"
xdotool key ctrl+a
xdotool type --delay 10 "$work/tone.mp3"
xdotool key Return
pulse_sound_comes 0.05 15 || fail "the program plays nothing"
xdotool mousemove 500 500  # the pointer away from the desk: no tooltips

mpv --no-video --no-config --no-terminal --ao=pulse --volume=50 "$work/tone.mp3" &
mpv_pid=$!
sleep 3  # both settled

program_start=$(cpu_ticks "$pid")
mpv_start=$(cpu_ticks "$mpv_pid")
wakes_start=$(switches "$pid")
sleep "$seconds"
program_used=$(($(cpu_ticks "$pid") - program_start))
mpv_used=$(($(cpu_ticks "$mpv_pid") - mpv_start))
wakes=$(($(switches "$pid") - wakes_start))

awk -v p="$program_used" -v m="$mpv_used" -v t="$ticks" -v s="$seconds" -v w="$wakes" -v iw="$idle_wakes" \
  -v is="$idle_seconds" 'BEGIN {
  printf "over %d s: vimo-duzi %.2f s CPU (%.2f %% of a core), mpv %.2f s CPU (%.2f %%), ratio %.2f\n",
    s, p / t, 100 * p / t / s, m / t, 100 * m / t / s, (m > 0 ? p / m : 0)
  printf "vimo-duzi main thread: %.1f wake-ups per second while playing, %.1f before\n", w / s, iw / is
}'
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
