#!/usr/bin/python3
"""Packs the art generator's PNG icons into one Windows .ico, each size kept
as the PNG it is (Windows Vista and later read PNG entries at every size).

    make_ico.py OUT.ico ICON.png...
"""
import struct
import sys

out, pngs = sys.argv[1], sys.argv[2:]
images = []
for name in pngs:
    with open(name, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make_ico.py: {name} is not a PNG")
    width, height = struct.unpack(">II", data[16:24])
    if width > 256 or height > 256:
        sys.exit(f"make_ico.py: {name} is larger than 256 x 256")
    images.append((width, height, data))
images.sort(key=lambda image: image[0])

# ICONDIR, then one ICONDIRENTRY a picture (256 is written as 0), then the pictures.
header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries, blobs = b"", b""
for width, height, data in images:
    entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
    blobs += data
    offset += len(data)
with open(out, "wb") as f:
    f.write(header + entries + blobs)
