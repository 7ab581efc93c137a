#!/usr/bin/env bash
# SDL2 and FreeType for the Windows edition, cross-built with MinGW-w64 from
# Debian's own sources of the versions the desktop links, so that all editions
# draw and behave alike. Static libraries, installed into OUT. Built once per
# pair of Debian versions: a later call with the same versions does nothing.
#   scripts/build-windows-libs.sh OUT
set -euo pipefail
out=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)

sdl_version=$(dpkg-query -W -f='${Version}' libsdl2-dev 2>/dev/null || true)
freetype_version=$(dpkg-query -W -f='${Version}' libfreetype6 2>/dev/null || true)
key="sdl2 ${sdl_version:-any} freetype ${freetype_version:-any}"
if [ -f "$out/.built" ] && [ "$(cat "$out/.built")" = "$key" ]; then
  exit 0
fi
echo "Building SDL2 and FreeType for Windows into $out ($key)"

work="$out.work"
rm -rf "$work" "$out" && mkdir -p "$work/apt/lists/partial"
# Source lists of our own, made from the machine's apt sources, so that its
# apt setup is left alone.
"$here/deb-src-lists.sh" "$work/apt/sources"
apt_opts=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/apt/sources"
          -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache="
          -o "APT::Sandbox::User=root")
apt-get "${apt_opts[@]}" update -qq
cd "$work"
fetch() {  # source package, wanted version (may be empty)
  apt-get "${apt_opts[@]}" source -qq --download-only "$1${2:+=$2}" ||
    apt-get "${apt_opts[@]}" source -qq --download-only "$1"
  dpkg-source -x --no-check "$1"_*.dsc "$1-src" >/dev/null
}
# The builds' chatter goes to a log, shown only when a step fails.
quiet() {
  "$@" >>"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; echo "failed: $*" >&2; exit 1; }
}
fetch libsdl2 "$sdl_version"
fetch freetype "$freetype_version"

# The -posix compilers: the -win32 ones have no std::thread.
cross=(-DCMAKE_TOOLCHAIN_FILE="$here/../windows/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
       -DCMAKE_INSTALL_PREFIX="$out" -DLUMORA_WINDOWS_LIBS="$out")

# Only what the game uses: video with the software renderer and Direct3D 9
# and OpenGL ones, events, audio (WASAPI, DirectSound, winmm), timers and
# threads, and the dummy and disk audio drivers the tests play through. No
# game controllers, haptics, sensors or Vulkan.
quiet cmake -S libsdl2-src -B sdl-build "${cross[@]}" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
  -DSDL_JOYSTICK=OFF -DSDL_XINPUT=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF \
  -DSDL_VULKAN=OFF -DSDL_OPENGLES=OFF -DSDL_RENDER_D3D=ON -DSDL_OPENGL=ON \
  -DSDL_DIRECTX=ON -DSDL_WASAPI=ON -DSDL_AUDIO=ON -DSDL_VIDEO=ON -DSDL_RENDER=ON
quiet cmake --build sdl-build -j2
quiet cmake --install sdl-build

# Only what drawing the game's faces takes: no compressed or PNG fonts, no
# HarfBuzz, no Brotli.
quiet cmake -S freetype-src -B freetype-build "${cross[@]}" -DBUILD_SHARED_LIBS=OFF \
  -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
quiet cmake --build freetype-build -j2
quiet cmake --install freetype-build

echo "$key" >"$out/.built"
cd / && rm -rf "$work"
