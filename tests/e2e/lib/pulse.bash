# A PulseAudio daemon of the script's own, with one null sink whose monitor is
# recorded, so that a script can measure what the program sends to the sound
# output on a machine without a sound device. Sourced after session.bash;
# pulse_start points PULSE_SERVER at the daemon for the programs started
# afterwards, and the daemon and the recorder end with the script.
pulse_dir="$work/pulse"
pulse_pid=
recorder_pid=
pulse_rate=22050

pulse_stop() {
  for p in $recorder_pid $pulse_pid; do kill "$p" 2>/dev/null || true; done
  for p in $recorder_pid $pulse_pid; do wait "$p" 2>/dev/null || true; done
  recorder_pid= pulse_pid=
}
trap 'pulse_stop; if [[ -n $pid ]]; then kill $pid 2>/dev/null || true; fi; rm -rf "$work"' EXIT

pulse_start() {
  command -v pulseaudio >/dev/null && command -v parec >/dev/null ||
    fail "pulseaudio and parec are not installed (tools/install-deps.sh installs them)"
  mkdir -p "$pulse_dir"/{home,runtime,state}
  # No session bus and no display: the daemon would reach another sound server through them.
  env -u DISPLAY -u PULSE_SERVER HOME="$pulse_dir/home" XDG_CONFIG_HOME="$pulse_dir/home" \
    XDG_RUNTIME_DIR="$pulse_dir/runtime" PULSE_RUNTIME_PATH="$pulse_dir/runtime" PULSE_STATE_PATH="$pulse_dir/state" \
    PULSE_COOKIE="$pulse_dir/cookie" DBUS_SESSION_BUS_ADDRESS="unix:path=$pulse_dir/no-bus" \
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes --realtime=no \
    --high-priority=no --log-target=stderr --load="module-null-sink sink_name=vd_null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/native" >"$pulse_dir/daemon.log" 2>&1 &
  pulse_pid=$!
  export PULSE_SERVER="unix:$pulse_dir/native" PULSE_COOKIE="$pulse_dir/cookie"
  for _ in $(seq 200); do
    pactl info >/dev/null 2>&1 && break
    kill -0 "$pulse_pid" 2>/dev/null || fail "pulseaudio ended at start: $(cat "$pulse_dir/daemon.log")"
    sleep 0.05
  done
  pactl info >/dev/null 2>&1 || fail "pulseaudio does not answer: $(cat "$pulse_dir/daemon.log")"
  parec --raw --format=s16le --rate=$pulse_rate --channels=1 --latency-msec=50 -d vd_null.monitor \
    >"$pulse_dir/monitor.raw" 2>"$pulse_dir/recorder.log" &
  recorder_pid=$!
}

# Root mean square of the sink's sound over the next $2 seconds after $1
# seconds have passed, as a fraction of full scale (a full-scale sine: 0.707).
pulse_level() {
  sleep "$1"
  local from to
  from=$(stat -c %s "$pulse_dir/monitor.raw")
  sleep "$2"
  to=$(stat -c %s "$pulse_dir/monitor.raw")
  python3 - "$pulse_dir/monitor.raw" "$from" "$to" <<'PY'
import array, math, sys
path, start, end = sys.argv[1], int(sys.argv[2]) // 2 * 2, int(sys.argv[3]) // 2 * 2
with open(path, "rb") as f:
    f.seek(start)
    samples = array.array("h", f.read(end - start))
print("%.4f" % (math.sqrt(sum(s * s for s in samples) / len(samples)) / 32768 if samples else -1))
PY
}

# Waits up to $2 seconds for sound louder than $1 to reach the sink.
pulse_sound_comes() {
  local level
  for _ in $(seq $(($2 * 5))); do
    level=$(pulse_level 0 0.2)
    awk -v l="$level" -v t="$1" 'BEGIN { exit !(l > t) }' && return 0
  done
  return 1
}

# Whether $1 is above $2 (decimal numbers).
above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# Writes a tagged MP3 of two minutes of 440 Hz to $1 (a second holds whole
# periods, so it repeats seamlessly); the other arguments are lame's tag options.
make_tone_mp3() {
  local mp3=$1
  shift
  python3 - "$work/tone.wav" <<'PY'
import array, math, sys, wave
rate = 44100
second = array.array("h", (round(0.5 * 32767 * math.sin(2 * math.pi * 440 * i / rate)) for i in range(rate)))
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(rate)
    out.writeframes(second.tobytes() * 120)
PY
  lame --quiet -m m -b 64 --cbr --nores --id3v2-only "$@" "$work/tone.wav" "$mp3"
}

# Plays $2 through the desk menu's "Lire un MP3/OGG" (its eleventh item) of desk window $1.
play_from_desk_menu() {
  focus "$1"
  xdotool mousemove 50 8 click 3
  sleep 0.5
  xdotool key --delay 60 Down Down Down Down Down Down Down Down Down Down Down Return
  local dialog
  dialog=$(xsearch --onlyvisible --name '^Lire un Fichier MP3$' | head -1) ||
    fail "no file dialog"
  focus "$dialog"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
}
