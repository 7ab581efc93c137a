#!/usr/bin/python3
"""Cuts the two IPA faces down to the characters the game can write: every
character in the source's string literals and the catalogs' translations, printable ASCII (numbers, paths)
and the half-width katakana of the framework's messages.

    cut_faces.py SOURCE-FOLDER FONT-FOLDER OUT-FOLDER
"""
import pathlib
import re
import sys

from fontTools import subset

source, fonts, out = (pathlib.Path(a) for a in sys.argv[1:4])
chars = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xFF61, 0xFFA0)}
for path in sorted(source.rglob("*")):
    if path.suffix in (".cpp", ".h"):
        for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', path.read_text(encoding="utf-8")):
            chars.update(literal)
for path in sorted((source.parent / "po").glob("*.po")):
    chars.update("".join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', path.read_text(encoding="utf-8"))))
text = "".join(sorted(chars))
out.mkdir(parents=True, exist_ok=True)
for name in ("ipag.ttf", "ipagp.ttf"):
    # Hinting stays: FreeType draws the glyphs through it, as on the desktop.
    options = subset.Options()
    options.hinting = True
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.layout_features = []
    face = subset.load_font(str(fonts / name), options)
    cutter = subset.Subsetter(options)
    cutter.populate(text=text)
    cutter.subset(face)
    subset.save_font(face, str(out / name), options)
