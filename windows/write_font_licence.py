#!/usr/bin/python3
"""Writes the IPA Font License that goes beside the faces in FONTS/, taken
from Debian's copyright file as the page takes it; with a byte-order mark so
that Notepad on any Windows reads it as UTF-8.

    write_font_licence.py COPYRIGHT-FILE OUT-FILE
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "web"))
from ipa_licence import licence_text  # noqa: E402

pathlib.Path(sys.argv[2]).write_text(licence_text(pathlib.Path(sys.argv[1])).replace("\n", "\r\n"),
                                     encoding="utf-8-sig", newline="")
