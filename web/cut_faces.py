#!/usr/bin/python3
"""Cuts the two IPA faces down to the characters the game can write: every
character in the source's string literals and the catalogs' translations, printable ASCII (numbers, paths)
and the half-width katakana of the framework's messages.

The IPA Font License lets a cut-down face go out only under a name of its
own, with the licence's text and a word on how to put the originals back:
so the faces are renamed, in their files and in their name tables, and
LICENSE.txt and README.txt go beside them.

    cut_faces.py SOURCE-FOLDER FONT-FOLDER COPYRIGHT-FILE OUT-FOLDER
"""
import pathlib
import re
import sys

from fontTools import subset

from ipa_licence import licence_text

source, fonts, copyright_file, out = (pathlib.Path(a) for a in sys.argv[1:5])
chars = {chr(c) for c in range(0x20, 0x7F)} | {chr(c) for c in range(0xFF61, 0xFFA0)}
for path in sorted(source.rglob("*")):
    if path.suffix in (".cpp", ".h"):
        for literal in re.findall(r'"((?:[^"\\\n]|\\.)*)"', path.read_text(encoding="utf-8")):
            chars.update(literal)
for path in sorted((source.parent / "po").glob("*.po")):
    chars.update("".join(re.findall(r'"((?:[^"\\\n]|\\.)*)"', path.read_text(encoding="utf-8"))))
text = "".join(sorted(chars))
out.mkdir(parents=True, exist_ok=True)

# original file, its family, the cut face's file and family
FACES = (("ipag.ttf", "IPAGothic", "LumoraGothic.ttf", "Lumora Gothic"),
         ("ipagp.ttf", "IPAPGothic", "LumoraPGothic.ttf", "Lumora PGothic"))
versions = {}
for original, _, cut, family in FACES:
    # Hinting stays: FreeType draws the glyphs through it, as on the desktop.
    options = subset.Options()
    options.hinting = True
    options.notdef_outline = True
    options.name_IDs = ["*"]
    options.layout_features = []
    face = subset.load_font(str(fonts / original), options)
    cutter = subset.Subsetter(options)
    cutter.populate(text=text)
    cutter.subset(face)
    names = face["name"]
    version = names.getDebugName(5) or ""
    versions[original] = version
    # The copyright, version and licence records stay; every record that
    # names the face takes the new name, in every language it had.
    postscript = family.replace(" ", "")
    renamed = {1: family, 3: f"{postscript} {version} (cut down for Lumora)", 4: family, 6: postscript}
    for record in names.names:
        if record.nameID in renamed:
            record.string = renamed[record.nameID]
    names.names = [r for r in names.names if r.nameID in renamed or r.nameID in (0, 2, 5, 7, 13, 14)]
    subset.save_font(face, str(out / cut), options)

# The licence with a byte-order mark, so that a browser shown plain text of
# no declared charset reads it as UTF-8.
(out / "LICENSE.txt").write_text(licence_text(copyright_file), encoding="utf-8-sig")
lines = copyright_file.read_text(encoding="utf-8").splitlines()
where = next((l.split(":", 1)[1].strip() for l in lines if l.startswith("Source:")), "")
(out / "README.txt").write_text(f"""The faces in this folder

LumoraGothic.ttf and LumoraPGothic.ttf are Derived Programs of IPA's fonts
IPAGothic ({versions['ipag.ttf']}) and IPAPGothic ({versions['ipagp.ttf']}),
under the IPA Font License Agreement v1.0 (LICENSE.txt). They were cut down
to the characters Lumora writes on screen and renamed, as the licence asks of
a modified face; no glyph was changed.

To put the original faces back, download IPAfont from IPA:

    {where}

and copy ipag.ttf over LumoraGothic.ttf and ipagp.ttf over LumoraPGothic.ttf.
The game reads the faces by these two file names and draws the same glyphs
from either.
""", encoding="utf-8")
