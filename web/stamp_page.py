#!/usr/bin/python3
"""Writes the page's index.html and sw.js into a built page folder from their
sources, with the files a visit in either language reads: each one's size and
SHA-256, and the build's name, a hash over them all.

    stamp_page.py SOURCE-FOLDER PAGE-FOLDER
"""
import hashlib
import json
import pathlib
import sys

source, page = (pathlib.Path(a) for a in sys.argv[1:3])
# The game, both languages' sheets, the click, the first-run state files, the
# faces, the catalogs, the icons and the manifests; not the faces' notes,
# which only a link opens.
PATTERNS = ("lumora.js", "lumora.wasm", "IMAGE/*.dat", "IMAGE/*/*.dat", "WAVE/*.wav", "DATA/*.log", "FONTS/*.ttf",
            "locale/*/LC_MESSAGES/*.mo", "ICONS/*.png", "*.webmanifest")


def record(path):
    data = path.read_bytes()
    return [len(data), hashlib.sha256(data).hexdigest()]


files = {p.relative_to(page).as_posix(): record(p) for pattern in PATTERNS for p in sorted(page.glob(pattern))}
for needed in ("lumora.js", "lumora.wasm"):
    if needed not in files:
        sys.exit(f"stamp_page.py: {page / needed} is missing")
listing = json.dumps(files, sort_keys=True, separators=(",", ":"))
(page / "index.html").write_text((source / "index.html").read_text(encoding="utf-8").replace("BUILD_FILES", listing),
                                 encoding="utf-8")
files["index.html"] = record(page / "index.html")
listing = json.dumps(files, sort_keys=True, separators=(",", ":"))
build = hashlib.sha256(listing.encode()).hexdigest()[:16]
(page / "sw.js").write_text((source / "sw.js").read_text(encoding="utf-8").replace("BUILD_NAME", json.dumps(build))
                            .replace("BUILD_FILES", listing), encoding="utf-8")
