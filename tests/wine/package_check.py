#!/usr/bin/python3
"""What a player downloads: lumora.exe starts on a bare Windows, shows its
icon and version, and the zip unpacks into a folder that plays, with the
faces as IPA made them and first-run state files rather than the builder's.

    package_check.py CMAKE-BUILD GAME-DIR ZIP-NAME FONT-FOLDER
"""
import pathlib
import re
import subprocess
import sys
import zipfile

build, game, zip_name, fonts = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3], pathlib.Path(sys.argv[4])
exe = game / "lumora.exe"
failures = []


def check(what, ok, detail=""):
    print(("ok     " if ok else "FAILED ") + what + (f": {detail}" if detail and not ok else ""))
    if not ok:
        failures.append(what)


# The program: nothing but Windows' own DLLs, a window of its own (no
# console), and in its resources the icon, the version and the manifest.
dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)], capture_output=True, text=True, check=True).stdout
WINDOWS_DLLS = {"advapi32", "dwmapi", "gdi32", "imm32", "kernel32", "msvcrt", "ole32", "oleaut32", "setupapi", "shcore",
                "shell32", "user32", "version", "winmm"}
imports = {name.lower().removesuffix(".dll") for name in re.findall(r"DLL Name: (\S+)", dump)}
check("imports only Windows' own DLLs", imports and imports <= WINDOWS_DLLS, sorted(imports - WINDOWS_DLLS))
check("runs in the GUI subsystem", re.search(r"^Subsystem\s+0+2\b", dump, re.M) is not None)

# The resource directory's first level names the types: 3 icon, 14 icon
# group, 16 version, 24 manifest; under the icons, one entry a size.
rsrc = dump[dump.find("The .rsrc Resource Directory section"):]
types = [int(t, 16) for t in re.findall(r"^\S+   Entry: ID: (0x[0-9a-f]+)", rsrc, re.M)]
check("carries icon, icon group, version and manifest resources", sorted(types) == [3, 14, 16, 24], types)
icons = re.search(r"^\S+   Entry: ID: 0x0+3,.*\n\S+    Name Table:.*IDs: (\d+)", rsrc, re.M)
check("the icon comes in seven sizes", icons is not None and icons.group(1) == "7", icons and icons.group(1))
body = exe.read_bytes()
wide = body[body.find("VS_VERSION_INFO".encode("utf-16-le")):].decode("utf-16-le", errors="replace")
for key in ("FileVersion", "ProductVersion"):
    check(f"{key} 1.0 in its properties", re.search(key + "\0+1\\.0\0", wide) is not None)
manifest = re.search(rb"<assembly.*?</assembly>", body, re.S)
manifest = manifest.group(0).decode() if manifest else ""
for what, needle in (("per-monitor DPI awareness v2", r"<dpiAwareness[^>]*>PerMonitorV2\b"),
                     ("a DPI-aware fallback for older Windows", r"<dpiAware[^>]*>true/pm<"),
                     ("UTF-8 as the ANSI code page", r"<activeCodePage[^>]*>UTF-8<"),
                     ("no request for administrator rights", r'requestedExecutionLevel level="asInvoker"'),
                     ("Windows 10 and 11 as supported systems", r"8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a")):
    check("manifest: " + what, re.search(needle, manifest) is not None)

# The zip, made again while the builder's own scores stand in DATA/: they
# must not go out with it.
score = game / "DATA" / "score.log"
kept = score.read_bytes()
try:
    score.write_bytes(b"9999\r\n9999\r\n9999\r\n9999\r\n")
    subprocess.run(["cmake", "--build", build, "--target", "zip"], check=True, stdout=subprocess.DEVNULL)
finally:
    score.write_bytes(kept)
archive = game / f"{zip_name}.zip"
size = archive.stat().st_size
check("the zip is at most 12 MB", size <= 12 * 1024 * 1024, f"{size} bytes")
with zipfile.ZipFile(archive) as z:
    names = set(z.namelist())
    top = {n.split("/")[0] for n in names}
    check("one top folder named after the version", top == {zip_name}, sorted(top))

    def read(name):
        return z.read(f"{zip_name}/{name}") if f"{zip_name}/{name}" in names else None

    for name in ("lumora.exe", "README.txt", "IMAGE/Back.dat", "IMAGE/Effect.dat", "IMAGE/Sprite.dat",
                 "IMAGE/en/Back.dat", "WAVE/push_on.wav", "locale/ja/LC_MESSAGES/lumora.mo", "FONTS/LICENSE.txt"):
        check(f"holds {name}", read(name) is not None)
    check("the program is the one built", read("lumora.exe") == body)
    for face in ("ipag.ttf", "ipagp.ttf"):
        check(f"FONTS/{face} is IPA's, unmodified", read(f"FONTS/{face}") == (fonts / face).read_bytes())
    for name, first_run in (("win_state.log", b"123\r\n226\r\n1\r\n"), ("select_game.log", b"0\r\n"),
                            ("score.log", b"0\r\n0\r\n0\r\n0\r\n")):
        check(f"DATA/{name} holds the first-run values", read(f"DATA/{name}") == first_run, read(f"DATA/{name}"))
    licence = (read("FONTS/LICENSE.txt") or b"").decode("utf-8-sig")
    check("the licence in both languages", "IPA Font License Agreement v1.0" in licence and "IPAフォントライセンスv1.0" in licence)
    readme = read("README.txt") or b""
    text = readme.decode("utf-8-sig")
    check("README opens in Notepad as UTF-8 with CR LF lines", readme.startswith(b"\xef\xbb\xbf") and
          b"\n" not in readme.replace(b"\r\n", b""))
    check("README names both places scores are kept", "DATA\\" in text and "%APPDATA%\\Lumora" in text)
    check("README has its Japanese half", "成績の保存先" in text)

print(f"{len(failures)} failed" if failures else "all passed")
sys.exit(1 if failures else 0)
