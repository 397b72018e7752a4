#!/usr/bin/env bash
# CPU time and wake-ups (voluntary context switches) of the running program
# over a minute, with the desk shown and the clock ticking.
#   bench/idle.sh build/vimo-duzi [seconds]
set -euo pipefail
program=$(realpath "$1")
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${INSIDE_XVFB:-}" ]]; then INSIDE_XVFB=1 exec "$root/tools/xvfb.sh" "$0" "$@"; fi

work=$(mktemp -d)
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
printf '\xEF\xBB\xBF\r\n[Global]\r\nLng = Fr\r\n' >"$work/Vimo_Desk.ini"
head -c 2000 /dev/zero >"$(dirname "$program")/libvimo_audio.so"
trap 'kill $pid 2>/dev/null || true; rm -rf "$work" "$(dirname "$program")/libvimo_audio.so"' EXIT
cd "$work"
"$program" >/dev/null 2>&1 &
pid=$!
xdotool search --sync --onlyvisible --name '^Vimo Duzi$' >/dev/null
sleep 2

ticks=$(getconf CLK_TCK)
sample() {
  local stat cpu wakes
  stat=$(cut -d' ' -f14,15 "/proc/$pid/stat")
  cpu=$(( ${stat% *} + ${stat#* } ))
  wakes=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$pid/status")
  echo "$cpu $wakes"
}
read -r cpu0 wakes0 < <(sample)
sleep "$seconds"
read -r cpu1 wakes1 < <(sample)
awk -v c=$((cpu1 - cpu0)) -v w=$((wakes1 - wakes0)) -v s="$seconds" -v t="$ticks" 'BEGIN {
  printf "over %d s: cpu %.2f s (%.3f %% of one core), %d wake-ups (%.2f per second)\n", s, c / t, 100 * c / t / s, w, w / s }'
