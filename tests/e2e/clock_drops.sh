#!/usr/bin/env bash
# What another program drags onto the clock: a text file opens in the text
# viewer, a picture in the picture window at 800 pixels wide, and text
# becomes a new note file in the notes folder on the desktop, announced by
# the banner.
set -euo pipefail
drag_source=$(realpath "${VD_DRAG_SOURCE:?the drag source program}")
source "$(dirname "$0")/lib/session.bash"

printf '\xef\xbb\xbf\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nLng = Fr\r\n' >Vimo_Desk.ini
text_file="$work/read me.txt"
printf 'caf\xe9\r\nsecond line\r\n' >"$text_file"
picture="$work/photo.png"
python3 - "$picture" <<'PY'
import struct, sys, zlib
width, height = 1600, 1200
row = b'\x00' + b'\x20\x80\xc0' * width
def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
png += chunk(b'IDAT', zlib.compress(row * height)) + chunk(b'IEND', b'')
open(sys.argv[1], 'wb').write(png)
PY

"$program" >"$work/log" 2>&1 & pid=$!
desk >/dev/null || fail "the desk did not appear"
sleep 0.5

# Drags from the drag source, away from where the windows open, onto the
# clock's time (client 1, 16, 73 x 30 of the desk at 0, 0). The source ends
# 2 seconds after the drop; the next drag waits for it.
source_pid=
drag() {
  if [[ -n $source_pid ]]; then wait "$source_pid" 2>/dev/null || true; fi
  "$drag_source" --at 1750,900 "$@" >/dev/null 2>&1 &
  source_pid=$!
  xsearch --onlyvisible --name '^drag source$' >/dev/null || fail "no drag source"
  xdotool mousemove 1800 950 mousedown 1
  for step in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((1800 - (1800 - 30) * step / 8)) $((950 - (950 - 30) * step / 8))
    sleep 0.1
  done
  sleep 0.3
  xdotool mouseup 1
}
# The size of the visible window named exactly $1, as "WIDTHxHEIGHT".
size_of() {
  local w
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [[ $(xdotool getwindowname "$w" 2>/dev/null) == "$1" ]]; then
      xdotool getwindowgeometry --shell "$w" | awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w "x" h }'
      return 0
    fi
  done
  return 1
}
wait_for_window() {
  for _ in $(seq 50); do size_of "$1" && return 0; sleep 0.1; done
  return 1
}

drag "$text_file"
viewer_size=$(wait_for_window "Vimo Duzi Viewer/Editor - $text_file (ASCII)") || fail "the text file did not open in the viewer"
[[ $viewer_size == 800x550 ]] || fail "the viewer is $viewer_size, not 800x550"

drag "$picture"
picture_size=$(wait_for_window "Vimo Duzi/Viewer - $picture") || fail "the picture did not open"
[[ $picture_size == 800x600 ]] || fail "the 1600 x 1200 picture is shown at $picture_size, not 800x600"

drag --text "Acheter du pain"
# The banner: 500 x 50 at the top of the screen, for 2 seconds.
banner() {
  local w
  for w in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    [[ $(xdotool getwindowgeometry --shell "$w" | tr '\n' ' ') == *"WIDTH=500 HEIGHT=50 "* ]] && return 0
  done
  return 1
}
for _ in $(seq 15); do banner && break; sleep 0.1; done
banner || fail "no banner announced the new note"
notes_folder=$(ls -d "$HOME"/Desktop/Notes_* 2>/dev/null | head -1)
for _ in $(seq 50); do
  [[ -n $notes_folder ]] && compgen -G "$notes_folder/Note_*.txt" >/dev/null && break
  sleep 0.1
  notes_folder=$(ls -d "$HOME"/Desktop/Notes_* 2>/dev/null | head -1)
done
[[ $notes_folder == "$HOME/Desktop/Notes_$(id -un)" ]] || fail "no notes folder named after the login (${notes_folder:-none})"
notes=("$notes_folder"/Note_*.txt)
[[ ${#notes[@]} == 1 ]] || fail "expected one note, found ${#notes[@]}"
[[ $(basename "${notes[0]}") =~ ^Note_[0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2}\.txt$ ]] ||
  fail "the note's name $(basename "${notes[0]}") is not Note_%yyyy-%mm-%dd_%hh-%ii-%ss.txt"
[[ $(cat "${notes[0]}") == "Acheter du pain" ]] || fail "the note holds '$(cat "${notes[0]}")'"
sleep 3
! banner || fail "the banner stayed after 2 seconds"
wait "$source_pid" 2>/dev/null || true
exit 0
