#!/usr/bin/env bash
# A file dragged from another program onto a free slot fills it; after a
# restart the slot still holds it, with its picture from the icon library.
set -euo pipefail
drag_source=$(realpath "${VD_DRAG_SOURCE:?the drag source program}")
source "$(dirname "$0")/lib/session.bash"

# A folder: it has a picture in every icon theme.
dropped="$work/My Documents"
mkdir -p "$dropped"
printf '\xef\xbb\xbf\r\n[Global]\r\nX_Origin = 0\r\nY_Origin = 0\r\nLng = Fr\r\n' >Vimo_Desk.ini

start() {
  spawn "$program" >"$work/log" 2>&1; pid=$last
  w=$(desk) || fail "the desk did not appear"
  sleep 0.5
}
stop() {
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
}

start
spawn "$drag_source" "$dropped" >/dev/null 2>&1; source_pid=$last
xsearch --onlyvisible --name '^drag source$' >/dev/null || fail "no drag source"
# Slot 3: cells are 35 apart, the first row 265 + 18 pixels down the desk.
xdotool mousemove 650 650 mousedown 1
for step in 1 2 3 4 5 6 7 8; do
  xdotool mousemove $((650 - (650 - 90) * step / 8)) $((650 - (650 - 299) * step / 8))
  sleep 0.1
done
sleep 0.3
xdotool mouseup 1
wait "$source_pid" 2>/dev/null || true

for _ in $(seq 50); do grep -aq "^Run3 = $dropped"$'\r' Vimo_Desk.ini && break; sleep 0.1; done
grep -aq "^Run3 = $dropped"$'\r' Vimo_Desk.ini || fail "the drop did not fill slot 3"
grep -aq "^ToolTip3 = My Documents"$'\r' Vimo_Desk.ini || fail "slot 3 has no title"
stop

# After a restart the slot keeps its target, and the library holds its picture.
start
stop
grep -aq "^Run3 = $dropped"$'\r' Vimo_Desk.ini || fail "slot 3 lost its target"
[[ -f Vimo_Desk.lib ]] || fail "no icon library"
# Share of opaque pixels in the library's cell of slot 3 (x 96 to 127).
opaque=$(python3 - Vimo_Desk.lib <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
pos, chunks, header = 8, b'', None
while pos < len(data):
    size, kind = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + size]
    if kind == b'IHDR': header = struct.unpack('>IIBB', body[:10])
    if kind == b'IDAT': chunks += body
    pos += 12 + size
width, height, depth, colour = header
assert depth == 8 and colour == 6, 'an RGBA strip'
raw, stride, rows, previous = zlib.decompress(chunks), width * 4, [], bytearray(width * 4)
for y in range(height):
    kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - 4] if i >= 4 else 0
        b, c = previous[i], previous[i - 4] if i >= 4 else 0
        if kind == 1: line[i] = (line[i] + a) & 255
        elif kind == 2: line[i] = (line[i] + b) & 255
        elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif kind == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(line)
    previous = line
cell = [rows[y][x * 4 + 3] for y in range(32) for x in range(96, 128)]
print(sum(1 for alpha in cell if alpha > 0) / len(cell))
PY
)
awk -v o="$opaque" 'BEGIN { exit !(o > 0.1) }' || fail "slot 3's cell of the library is empty ($opaque)"
exit 0
