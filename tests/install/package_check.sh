#!/usr/bin/env bash
# The Debian package: made by cpack from the build, its control fields and
# its file list checked. As root it is installed with apt-get, its game run
# from /usr/bin, and removed with nothing left behind; otherwise it is
# unpacked with dpkg -x and the game run from there. Running means the
# version line and a real start on an X server, with the state files made in
# the XDG folder. Exit 77 tells CTest a tool is missing.
# Arguments: the build folder.
set -u
build="$1"
. "$(dirname "$0")/../xvfb/common.sh"
need_tools cpack dpkg-deb dpkg-shlibdeps Xvfb xdotool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/lumora_${version}_amd64.deb"
[ -f "$deb" ] || { ls "$work"; fail "no lumora_${version}_amd64.deb"; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lumora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
field Maintainer | grep -q '^[^<]\+ <[^@ ]\+@[^> ]\+>$' || fail "Maintainer: $(field Maintainer)"
[ "$(field Description | wc -l)" -ge 3 ] || fail "the description has no long part"
depends=$(field Depends)
echo "Depends: $depends"
# Found by dpkg-shlibdeps from the libraries the game links, and the font.
for need in fonts-ipafont-gothic libsdl2-2.0-0 libfreetype6 libfontconfig1 libasound2 libx11-6 libc6; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$need\b" || fail "Depends lacks $need"
done

id=io.github.lumora.Lumora
expected="./usr/bin/lumora
./usr/share/applications/$id.desktop
./usr/share/doc/lumora/copyright
./usr/share/lumora/IMAGE/Back.dat
./usr/share/lumora/IMAGE/Effect.dat
./usr/share/lumora/IMAGE/Sprite.dat
./usr/share/lumora/IMAGE/en/Back.dat
./usr/share/lumora/IMAGE/en/Effect.dat
./usr/share/lumora/IMAGE/en/Sprite.dat
./usr/share/locale/ja/LC_MESSAGES/lumora.mo
./usr/share/lumora/WAVE/push_on.wav
./usr/share/man/man6/lumora.6.gz
./usr/share/metainfo/$id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  expected="$expected
./usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$files" = "$(echo "$expected" | sort)" ] || { diff <(echo "$expected" | sort) <(echo "$files"); fail "the package's files differ"; }
dpkg-deb -c "$deb" | awk '$1 ~ /^-/ && $2 != "root/root" {bad=1} END {exit bad}' || fail "a file is not owned by root"

# The game as the package lays it out, run on an X server with HOME of its own.
run_game() {
  local exe="$1"
  [ "$("$exe" --version)" = "lumora $version" ] || fail "$exe --version: $("$exe" --version)"
  mkdir -p "$work/home"
  cat >"$work/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
. "$2"
"$1" 2>"$HOME/lumora.err" &
pid=$!
dialog=$(find_window "Lumora") || { echo "no dialog appeared"; kill $pid; exit 1; }
game=$(start_game "$dialog") || { echo "no game window appeared"; kill $pid; exit 1; }
key_into "$game" Escape
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && { echo "Escape did not end the game"; kill $pid; exit 1; }
wait $pid
INNER
  chmod +x "$work/play.sh"
  (unset XDG_DATA_HOME && HOME="$work/home" on_own_xserver "$work/play.sh" "$exe" "$(dirname "$0")/../xvfb/common.sh") ||
    fail "the packaged game did not run"
  [ -f "$work/home/.local/share/lumora/score.log" ] || fail "the packaged game made no state files"
}

if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  if dpkg-query -W -f='${Status}' lumora 2>/dev/null | grep -q 'install ok installed'; then
    echo "lumora is installed on this machine already; left alone, the package is unpacked instead"
  else
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install failed"; }
    dpkg -L lumora | sort >"$work/installed"
    grep -qx "/usr/share/applications/$id.desktop" "$work/installed" || fail "no menu entry installed"
    run_game /usr/bin/lumora
    apt-get remove -y -qq -o DPkg::Lock::Timeout=120 lumora >>"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove failed"; }
    dpkg-query -W -f='${Status}' lumora 2>/dev/null | grep -q 'install ok installed' && fail "lumora is still installed"
    left=$(while read -r f; do [ -f "$f" ] && echo "$f"; done <"$work/installed")
    [ -z "$left" ] || fail "removing the package left $left"
    echo "ok: installed with apt-get, run, and removed cleanly"
    exit 0
  fi
fi
dpkg -x "$deb" "$work/root" || fail "dpkg -x failed"
run_game "$work/root/usr/bin/lumora"
echo "ok: unpacked with dpkg -x and run from there"
