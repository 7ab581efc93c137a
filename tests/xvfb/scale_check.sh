#!/usr/bin/env bash
# The real game on a 2560 x 1600 desktop of 192 dpi (Xft.dpi set through
# xrdb, as a high-density desktop sets it): the dialog is twice its size, its
# start button at twice its place opens a 1280 x 960 game window, and the
# title screen is the 1:1 frame of the headless game doubled pixel for
# pixel. Escape then ends it.
# Exit 77 tells CTest a tool is missing.
# Arguments: the build folder (lumora, IMAGE/, WAVE/) and script_runner.
set -u
build="$1"
runner="$2"
. "$(dirname "$0")/common.sh"
need_tools Xvfb xrdb import xdotool xwininfo compare convert

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
make_game_folder "$build" "$game"
headless_title "$runner" "$game" || exit 1
convert "$game/expected.png" -scale 200% "$game/expected.x2.png"

cat >"$game/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
. ./common.sh
fail() { echo "$1"; kill "$pid" 2>/dev/null; exit 1; }
echo "Xft.dpi: 192" | xrdb -nocpp -merge
./lumora 2>lumora.err &
pid=$!
dialog=$(find_window "Lumora") || fail "no dialog appeared"
read -r dw dh <<<"$(xwininfo -id "$dialog" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
echo "dialog ${dw}x$dh"
[ "$dw" -eq 780 ] && [ "$dh" -eq 566 ] || fail "the dialog is not twice its size"
gamewin=""
for _ in 1 2 3; do
  sleep 0.5
  xdotool mousemove --window "$dialog" 200 510 click 1
  gamewin=$(find_window "^Lumora$") && break
done
[ -n "$gamewin" ] || fail "no game window appeared"
read -r gw gh <<<"$(xwininfo -id "$gamewin" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')"
echo "game window ${gw}x$gh"
[ "$gw" -eq 1280 ] && [ "$gh" -eq 960 ] || fail "the game window is not 1280 x 960"
for _ in $(seq 30); do
  import -window root -crop 1280x960+150+100 +repage shot.png
  [ "$(compare -metric AE expected.x2.png shot.png null: 2>&1)" = "0" ] && break
  sleep 0.2
done
differing=$(compare -metric AE expected.x2.png shot.png null: 2>&1)
echo "pixels differing from the doubled frame: $differing"
[ "$differing" = "0" ] || fail "the title screen is not the 1:1 frame doubled"
key_into "$gamewin" Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end the game"
wait "$pid"
INNER
chmod +x "$game/play.sh"
XVFB_SCREEN=2560x1600x24 on_own_xserver "$game/play.sh" "$game" || { cat "$game/lumora.err"; exit 1; }
echo "ok"
