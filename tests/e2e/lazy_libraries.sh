#!/usr/bin/env bash
# The desk appears without the sound, speech and network machinery: libmpv
# (and the codec libraries it brings), the radio's engine library, espeak-ng
# and libcurl are opened only when a sound or a transfer first needs them.
set -euo pipefail
source "$(dirname "$0")/lib/session.bash"
printf '\xEF\xBB\xBF\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\n' >Vimo_Desk.ini
"$program" >"$work/log" 2>&1 &
pid=$!
desk >/dev/null || fail "the desk did not appear"

maps=$(cat "/proc/$pid/maps")
for library in libmpv libvimo_audio libespeak-ng libavcodec libavformat libcurl libpulse; do
  if grep -q "/$library[.-]" <<<"$maps"; then fail "$library is mapped before any sound or transfer"; fi
done
objects=$(grep -o '/[^ ]*\.so[.0-9]*$' <<<"$maps" | sort -u | wc -l)
(( objects <= 100 )) || fail "$objects shared objects mapped at start (100 at most)"
echo "shared objects mapped: $objects"
exit 0
