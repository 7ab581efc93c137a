#!/usr/bin/env bash
# Installs the Debian packages that are missing, in two sets:
#   scripts/install-deps.sh play   what building and playing the game need (make run)
#   scripts/install-deps.sh web    what building the page and testing it in a browser need (make web)
#   scripts/install-deps.sh windows what cross-building the Windows edition and testing it under Wine need (make windows)
#   scripts/install-deps.sh test   all of those and the test, benchmark and packaging tools (make test)
set -euo pipefail

# Building and playing: the compiler and CMake, the libraries the game links,
# gettext's tools for its catalogs,
# libpng for the art generator's icons, and the Japanese face the game draws
# its text with.
play=(
  build-essential cmake pkg-config
  libsdl2-dev libx11-dev libasound2-dev libfreetype-dev libfontconfig-dev libpng-dev
  gettext
  fonts-ipafont-gothic
)
# Testing: GoogleTest and Google Benchmark; clang for the fuzzer; an X
# server, two window managers and the tools that drive and photograph the real
# game; the validators of the desktop entry, the metainfo and the manual
# page; dpkg-dev for the Debian package; VL Gothic, a decoy Japanese face
# that fontconfig prefers to IPA's, so the suite always shows that the game
# draws with the faces it pins; a PulseAudio server for the
# benchmark's sound with a server running.
test=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-apps x11-xserver-utils imagemagick openbox icewm wmctrl
  desktop-file-utils appstream man-db groff-base dpkg-dev
  fonts-vlgothic pulseaudio
)

# The page, on top of what plays (its art is drawn by a native build):
# Emscripten and binaryen; Debian's FreeType source, fetched by
# apt-get source (dpkg-dev); the IPA faces and fontTools to cut them down;
# Chromium for the browser tests, driven from Node.js.
web=(emscripten binaryen dpkg-dev python3-fonttools chromium)
# Node.js and npm may come from elsewhere than Debian; only a missing one is installed.
command -v node >/dev/null || web+=(nodejs)
command -v npm >/dev/null || web+=(npm)

# The Windows edition, on top of what plays (its art is drawn by a native
# build): MinGW-w64's -posix compilers (the -win32 ones have no std::thread),
# Debian's SDL2 and FreeType sources (dpkg-dev), GoogleTest's source, Wine
# to run it all, a Japanese locale's source for Wine's Japanese user, zip and
# NSIS for the download and its installer.
windows=(g++-mingw-w64-x86-64-posix dpkg-dev googletest wine wine64 locales zip nsis
         xvfb xauth xdotool x11-apps imagemagick openbox fonts-ipafont-gothic python3-fonttools)

case "${1:-test}" in
  play) packages=("${play[@]}") ;;
  web) packages=("${play[@]}" "${web[@]}") ;;
  windows) packages=("${play[@]}" "${windows[@]}") ;;
  test) packages=("${play[@]}" "${test[@]}" "${web[@]}" "${windows[@]}") ;;
  *) echo "usage: $0 [play | web | windows | test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
