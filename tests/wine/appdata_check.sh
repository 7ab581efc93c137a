#!/usr/bin/env bash
# A player on a Japanese Windows whose user folder is named in Japanese, with
# the game in a folder they cannot write (as under Program Files): lumora.exe
# under Wine speaks Japanese, its title screen is the headless Japanese
# game's frame, and it keeps its state files in %APPDATA%\Lumora, made on the
# first run, leaving the game's own DATA\ alone. Run as a user other than
# root, whom no folder stops. Exit 77 tells CTest a tool is missing.
#   tests/wine/appdata_check.sh WORK WINDOWS-GAME-DIR SCRIPT-RUNNER
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb/common.sh"
need_tools Xvfb import xdotool openbox wine localedef setpriv
work=$(realpath -m "$1") windows=$(realpath "$2") runner=$(realpath "$3")
player=()
if [ "$(id -u)" -eq 0 ]; then
  player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
mkdir -p "$work/home"
# A Japanese locale of our own, made once, so the machine's are left alone.
if [ ! -d "$work/locale/ja_JP.UTF-8" ]; then
  mkdir -p "$work/locale"
  localedef -i ja_JP -f UTF-8 "$work/locale/ja_JP.UTF-8" || { echo "localedef failed"; exit 1; }
fi
[ "$(id -u)" -eq 0 ] && chown nobody:nogroup "$work" "$work/home"

game=$(mktemp -d)
trap 'chmod -R u+w "$game"; rm -rf "$game"' EXIT
cp "$windows/lumora.exe" "$game/"
cp -r "$windows/IMAGE" "$windows/WAVE" "$windows/locale" "$windows/FONTS" "$game/"
mkdir "$game/DATA"
printf '100\r\n150\r\n1\r\n' >"$game/DATA/win_state.log"
printf '3\r\n' >"$game/DATA/select_game.log"
printf '7\r\n7\r\n7\r\n7\r\n' >"$game/DATA/score.log"
# The frame expected of a first run: the headless Japanese game on the
# first-run state files.
mkdir "$game/headless"
cp -r "$windows/IMAGE" "$windows/WAVE" "$windows/locale" "$game/headless/"
cmake -DDATA_DIR="$game/headless/DATA" -P "$here/../../tools/default_data.cmake"
LANG=C.UTF-8 LANGUAGE=ja headless_title "$runner" "$game/headless" || exit 1
# Nobody may write the game's folder, its owner included.
chmod -R a+rX,a-w "$game"

cat >"$work/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
work=$1 game=$2 here=$3
. "$here/../xvfb/common.sh"
export HOME=$work/home USER=ルモラ LOGNAME=ルモラ LOCPATH=$work/locale WINE_LANG=ja_JP.UTF-8
. "$here/wine_env.sh" "$work/prefix"
cd "$work"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
wine "$game/lumora.exe" >lumora.err 2>&1 &
pid=$!
fail() { echo "$1"; kill $pid 2>/dev/null; wineserver -k; exit 1; }
dialog=$(find_window "サテライト Lumora") || fail "no Japanese dialog appeared"
gamewin=$(start_game "$dialog") || fail "no game window appeared"
eval "$(xdotool getwindowgeometry --shell "$gamewin")"
for _ in $(seq 30); do
  import -window root -crop "640x480+$X+$Y" +repage shot.png
  "$here/same_at_16_bits.py" "$game/headless/expected.png" shot.png >/dev/null && break
  sleep 0.2
done
# 6x6 to 10x10, then Escape saves and quits.
key_into "$gamewin" Right
sleep 0.3
key_into "$gamewin" Escape
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "Escape did not end the game"
wineserver -w
cp -r "$WINEPREFIX/drive_c/users/ルモラ/AppData/Roaming/Lumora" saved 2>/dev/null || true
INNER
chmod 755 "$work/play.sh"
rm -rf "$work/saved" "$work/prefix/drive_c/users/ルモラ/AppData/Roaming/Lumora"
on_own_xserver "${player[@]}" "$work/play.sh" "$work" "$game" "$here" || exit 1

failed=0
check() {  # what, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok     $what"; else echo "FAILED $what"; failed=$((failed + 1)); fi
}
check "the Japanese title screen is the headless game's" "$here/same_at_16_bits.py" "$game/headless/expected.png" "$work/shot.png"
check "the state files are in %APPDATA%\\Lumora under the Japanese user folder" test -f "$work/saved/score.log"
check "made with the first run's scores" test "$(cat "$work/saved/score.log" 2>/dev/null)" = $'0\r\n0\r\n0\r\n0\r'
check "and hold the size chosen by keys" test "$(cat "$work/saved/select_game.log" 2>/dev/null)" = $'1\r'
check "the game's own DATA is left alone" test "$(cat "$game/DATA/select_game.log")" = $'3\r' -a ! -e "$game/DATA/lumora.lock"
echo "$failed failed"
[ "$failed" -eq 0 ]
