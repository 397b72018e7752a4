#!/usr/bin/env python3
"""Writes the seed files of the fuzz corpora text_codec/ and gif/ beside this
script. Run it again after changing it; the files it writes are committed.

The GIF seeds use a real LZW encoder (code widths growing to 12 bits and a
table reset), so the fuzzers start from the paths real pictures take."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write(folder, name, data):
    path = os.path.join(HERE, folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), "wb") as f:
        f.write(data)


# Text files: each encoding, its edge cases and its damage.
UTF8_MARK = b"\xEF\xBB\xBF"
UTF16_MARK = b"\xFF\xFE"
TEXTS = {
    "ansi_specials.txt": bytes(range(0x80, 0xA0)) + b" caf\xE9\r\n",
    "ansi_all_bytes.txt": bytes(range(256)),
    "utf8_mark.txt": UTF8_MARK + "Élève — 日本語 😀\r\nfin".encode(),
    "utf8_invalid.txt": UTF8_MARK + b"\xC3(\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xE2\x82",
    "utf8_no_mark.txt": "Note déposée\n".encode(),
    "utf16.txt": UTF16_MARK + "Ligne 1\r\nLigne 2 😀".encode("utf-16-le"),
    "utf16_odd.txt": UTF16_MARK + "abc".encode("utf-16-le") + b"d",
    "utf16_surrogates.txt": UTF16_MARK + b"\x3D\xD8a\x00\x00\xDE\x3D\xD8",
    "zero_inside.txt": b"avant\x00apr\xE8s",
    "line_breaks.txt": b"a\rb\nc\r\nd\r\r\ne\n\rf",
    "mark_only.txt": UTF8_MARK,
    "utf16_be_mark.txt": b"\xFE\xFF\x00a\x00b",
    "empty.txt": b"",
}
for name, data in TEXTS.items():
    write("text_codec", name, data)


# GIF pictures.
PALETTE4 = bytes([255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255])


def lzw_data(indices, min_size):
    """The image data of a frame: minimum code size, sub-blocks, block end."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    codes = []  # (code, width)

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_size + 1

    table, next_code, width = reset()
    codes.append((clear, width))
    prefix = ()
    for p in indices:
        candidate = prefix + (p,)
        if candidate in table:
            prefix = candidate
            continue
        codes.append((table[prefix], width))
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            codes.append((clear, width))
            table, next_code, width = reset()
        prefix = (p,)
    if prefix:
        codes.append((table[prefix], width))
    codes.append((end, width))

    packed, bits, count = bytearray(), 0, 0
    for code, w in codes:
        bits |= code << count
        count += w
        while count >= 8:
            packed.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        packed.append(bits & 0xFF)
    out = bytearray([min_size])
    for i in range(0, len(packed), 255):
        chunk = packed[i:i + 255]
        out += bytes([len(chunk)]) + chunk
    return bytes(out + b"\x00")


def header(width, height, palette=PALETTE4, table_bits=1):
    flags = 0x80 | table_bits if palette else 0
    return b"GIF89a" + struct.pack("<HHBBB", width, height, flags, 0, 0) + palette


def loop_forever():
    return b"\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00"


def frame(width, height, indices, delay=10, left=0, top=0, disposal=1, transparent=None,
          local_palette=None, interlaced=False, min_size=2):
    flags = disposal << 2 | (1 if transparent is not None else 0)
    out = b"\x21\xF9\x04" + struct.pack("<BHB", flags, delay, transparent or 0) + b"\x00"
    descriptor_flags = (0x40 if interlaced else 0)
    if local_palette:
        descriptor_flags |= 0x80 | 1
    out += b"\x2C" + struct.pack("<HHHHB", left, top, width, height, descriptor_flags)
    if local_palette:
        out += local_palette
    return out + lzw_data(indices, min_size)


def gradient(width, height, colours=4):
    return [(x * 7 + y * 3 + (x * y) % 5) % colours for y in range(height) for x in range(width)]


three = (header(4, 4) + loop_forever()
         + frame(4, 4, [0] * 16, delay=5)
         + frame(2, 2, [1] * 4, delay=0, left=1, top=1)
         + frame(4, 4, [2] * 16, delay=25) + b"\x3B")
write("gif", "three_frames.gif", three)
write("gif", "three_frames_cut.gif", three[:len(three) * 2 // 3])
write("gif", "one_pixel.gif", header(1, 1) + frame(1, 1, [0]) + b"\x3B")
# Long enough for 12-bit codes and a table reset.
big_palette = bytes(v for i in range(256) for v in (i, 255 - i, (i * 37) % 256))
write("gif", "lzw_reset.gif", header(96, 96, big_palette, 7)
      + frame(96, 96, gradient(96, 96, 256), min_size=8) + b"\x3B")
write("gif", "disposals.gif", header(8, 8)
      + frame(8, 8, gradient(8, 8), disposal=2)
      + frame(4, 4, [3] * 16, left=2, top=2, disposal=3, transparent=3)
      + frame(8, 8, gradient(8, 8)[::-1], disposal=0) + b"\x3B")
write("gif", "interlaced_local_palette.gif", header(6, 9, b"", 0)
      + frame(6, 9, gradient(6, 9), local_palette=PALETTE4, interlaced=True) + b"\x3B")
write("gif", "zero_screen.gif", header(0, 0) + frame(3, 2, [1] * 6) + frame(3, 2, [2] * 6) + b"\x3B")
write("gif", "frame_outside_screen.gif", header(2, 2) + frame(5, 5, [1] * 25, left=1, top=1)
      + frame(1, 1, [2], left=60000, top=60000) + b"\x3B")
write("gif", "huge_screen.gif", header(20000, 20000) + frame(1, 1, [1]) + b"\x3B")
write("gif", "many_frames.gif", header(2, 2) + b"".join(frame(1, 1, [i % 4], delay=0) for i in range(1200))
      + b"\x3B")
write("gif", "gif87a.gif", b"GIF87a" + header(2, 1)[6:] + b"\x2C" + struct.pack("<HHHHB", 0, 0, 2, 1, 0)
      + lzw_data([0, 3], 2) + b"\x3B")
