#!/usr/bin/env bash
# lumora.exe under Wine in a real window, on an X server of its own with
# openbox: the dialog comes up, its start button opens the game window, whose
# title screen is the headless game's frame (compared at the game's 16 bits
# a pixel); the 6x6 size is chosen and a board played by keys and given up
# through the menu; Escape ends the program, which saves beside itself.
# Exit 77 tells CTest a tool is missing.
#   tests/wine/game_window_check.sh PREFIX WINDOWS-GAME-DIR SCRIPT-RUNNER
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb/common.sh"
need_tools Xvfb import xdotool openbox wine
. "$here/wine_env.sh" "$1"
windows=$(realpath "$2") runner=$(realpath "$3")

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
cp "$windows/lumora.exe" "$game/"
cp -r "$windows/IMAGE" "$windows/WAVE" "$windows/locale" "$windows/FONTS" "$game/"
mkdir "$game/DATA"
printf '100\r\n150\r\n1\r\n' >"$game/DATA/win_state.log"
printf '2\r\n' >"$game/DATA/select_game.log"
printf '0\r\n0\r\n0\r\n0\r\n' >"$game/DATA/score.log"
# The same words on both: Wine's English Windows and the runner's C locale.
LANGUAGE=en headless_title "$runner" "$game" || exit 1

cat >"$game/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
. "$2/../xvfb/common.sh"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
wine lumora.exe >lumora.err 2>&1 &
pid=$!
fail() { echo "$1"; kill $pid 2>/dev/null; wineserver -k; exit 1; }
dialog=$(find_window "Lumora") || fail "no dialog appeared"
gamewin=$(start_game "$dialog") || fail "no game window appeared"
eval "$(xdotool getwindowgeometry --shell "$gamewin")"
echo "game window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 640 ] && [ "$HEIGHT" -eq 480 ] || fail "the game window is not 640 x 480"
# The first frames may still be on their way to the screen; give them time.
for _ in $(seq 30); do
  import -window root -crop "640x480+$X+$Y" +repage shot.png
  "$2/same_at_16_bits.py" expected.png shot.png >/dev/null && break
  sleep 0.2
done
# 14x14 to 6x6, a board started, two cells switched by keys, the menu's
# give-up item, and back to the title; then Escape saves and quits.
for key in Left Left Return Right space Down space m Down Return Return; do
  key_into "$gamewin" "$key"
  sleep 0.3
done
key_into "$gamewin" Escape
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "Escape did not end the game"
wineserver -w
INNER
chmod +x "$game/play.sh"
on_own_xserver "$game/play.sh" "$game" "$here" || exit 1

"$here/same_at_16_bits.py" "$game/expected.png" "$game/shot.png" || exit 1
# Quitting saved the size chosen by keys beside the program.
tr -d '\r' <"$game/DATA/select_game.log" | grep -qx 0 || {
  echo "select_game.log after quitting:"; cat "$game/DATA/select_game.log"; exit 1; }
echo "ok"
