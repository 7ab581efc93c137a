#!/usr/bin/python3
"""Two pictures of the same size are the same frame at the game's 16 bits a
pixel (5-6-5): the low bits a 24-bit screen adds are the converter's, not the
game's, and differ between Wine's drawing paths.

    same_at_16_bits.py EXPECTED.png SHOT.png
"""
import subprocess
import sys


def pixels(path):
    # Debian's ImageMagick, whatever else is called convert on the PATH.
    ppm = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    # P6, width, height and maximum, each after one blank, then the bytes.
    fields, at = [], 0
    while len(fields) < 4:
        while ppm[at:at + 1].isspace():
            at += 1
        end = at
        while not ppm[end:end + 1].isspace():
            end += 1
        fields.append(ppm[at:end])
        at = end
    return (int(fields[1]), int(fields[2])), ppm[at + 1:]


(size_a, a), (size_b, b) = pixels(sys.argv[1]), pixels(sys.argv[2])
if size_a != size_b:
    sys.exit(f"sizes differ: {size_a} and {size_b}")
masks = (0xF8, 0xFC, 0xF8)
differing = sum(1 for i in range(0, len(a), 3)
                if any((a[i + c] ^ b[i + c]) & masks[c] for c in range(3)))
print(f"pixels differing at 16 bits: {differing}")
sys.exit(1 if differing else 0)
