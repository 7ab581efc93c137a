"""The IPA Font License as Debian carries it with the faces (fonts-ipafont-gothic's
copyright file), both languages, unfolded from its indented paragraph. The page's
cut-down faces and the Windows edition's original ones go out with it."""
import pathlib


def licence_text(copyright_file: pathlib.Path) -> str:
    lines = pathlib.Path(copyright_file).read_text(encoding="utf-8").splitlines()
    # The first "License: IPA-1" names the files' licence; the second opens its text.
    start = lines.index("License: IPA-1", lines.index("License: IPA-1") + 1)
    licence = []
    for line in lines[start + 1:]:
        if not line.startswith(" "):
            break
        licence.append("" if line.strip() == "." else line[1:])
    return "\n".join(licence).rstrip() + "\n"
