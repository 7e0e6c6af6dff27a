#!/usr/bin/env python3
"""Packs square PNG images into one Windows .ico, each image an entry of its own.

Usage: make-ico.py OUTPUT.ico INPUT.png...

Since Windows Vista an .ico entry may hold a PNG as it is, so the committed
icons go in unchanged: no resampling, and the build makes the same file every
time. The sizes are read from each PNG's header; 256 px is written as 0, as
the format asks."""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make-ico: {name} is not a PNG image")
    width, height = struct.unpack(">II", data[16:24])
    if width != height or not 1 <= width <= 256:
        sys.exit(f"make-ico: {name} is {width} x {height}; an icon is square, at most 256 px")
    return width


def main(output, inputs):
    images = []
    for name in inputs:
        with open(name, "rb") as f:
            data = f.read()
        images.append((png_size(data, name), data))
    images.sort(key=lambda image: image[0])  # smallest first, as Windows lists them
    header = struct.pack("<HHH", 0, 1, len(images))  # reserved, type 1 = icon, count
    offset = len(header) + 16 * len(images)
    entries, payload = b"", b""
    for size, data in images:
        byte = size % 256  # 256 is written as 0
        # width, height, colours (0: none in a palette), reserved, planes,
        # bits a pixel, the data's length and where it starts
        entries += struct.pack("<BBBBHHII", byte, byte, 0, 0, 1, 32, len(data), offset + len(payload))
        payload += data
    with open(output, "wb") as f:
        f.write(header + entries + payload)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit("usage: make-ico.py OUTPUT.ico INPUT.png...")
    main(sys.argv[1], sys.argv[2:])
