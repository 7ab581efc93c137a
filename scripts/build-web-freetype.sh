#!/usr/bin/env bash
# FreeType for the page, from Debian's own source of the library the desktop
# links, so both draw the same glyphs. Built once into OUT; a later call
# finds it there and does nothing.
#   scripts/build-web-freetype.sh OUT
set -euo pipefail
out=$(realpath -m "$1")
[ -f "$out/lib/libfreetype.a" ] && exit 0

work="$out.work"
rm -rf "$work" && mkdir -p "$work/apt/lists/partial"
# Source lists of our own, made from the machine's apt sources, so that its
# apt setup is left alone.
"$(dirname "$0")/deb-src-lists.sh" "$work/apt/sources"
apt_opts=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources"
          -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
          -o "APT::Sandbox::User=root")
version=$(dpkg-query -W -f='${Version}' libfreetype6 2>/dev/null || true)
apt-get "${apt_opts[@]}" update -qq
cd "$work"
apt-get "${apt_opts[@]}" source -qq --download-only "freetype${version:+=$version}" ||
  apt-get "${apt_opts[@]}" source -qq --download-only freetype
dpkg-source -x --no-check freetype_*.dsc src >/dev/null
export NODE_PATH=/usr/share/nodejs
# Only what drawing the game's faces takes: no compressed or PNG fonts, no
# HarfBuzz, no Brotli.
emcmake cmake -S src -B build -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$out" \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON \
  -DCMAKE_C_FLAGS="-O2 -fexceptions" >/dev/null
cmake --build build -j2 >/dev/null
cmake --install build >/dev/null
cd / && rm -rf "$work"
