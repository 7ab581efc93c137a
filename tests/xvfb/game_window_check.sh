#!/usr/bin/env bash
# The real game under an X server: the dialog's start button opens the game
# window at the place of win_state.log, and a screenshot of the window holds
# exactly the frame the headless game draws from the same files. Escape then
# ends the program, which saves. Exit 77 tells CTest a tool is missing.
# Arguments: the build folder (lumora, IMAGE/, WAVE/, DATA/) and script_runner.
set -u
build="$1"
runner="$2"
. "$(dirname "$0")/common.sh"
need_tools Xvfb import xdotool compare

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
make_game_folder "$build" "$game"
headless_title "$runner" "$game" || exit 1

cat >"$game/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
. ./common.sh
./lumora 2>lumora.err &
pid=$!
dialog=$(find_window "Lumora") || { echo "no dialog appeared"; kill $pid; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# Centred on the 1280 x 1024 screen; with no window manager there is no frame.
echo "dialog at $X,$Y"
[ "$X" -eq 445 ] && [ "$Y" -eq 370 ] || { echo "the dialog is not centred"; kill $pid; exit 1; }
gamewin=$(start_game "$dialog")
[ -n "$gamewin" ] || { echo "no game window appeared"; kill $pid; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$gamewin")"
echo "game window at $X,$Y size ${WIDTH}x$HEIGHT"
[ "$X" -eq 150 ] && [ "$Y" -eq 100 ] || { echo "the game window is not where win_state.log puts it"; kill $pid; exit 1; }
# The first frames may still be on their way to the screen; give them time.
for _ in $(seq 30); do
  import -window root -crop 640x480+150+100 +repage shot.png
  [ "$(compare -metric AE expected.png shot.png null: 2>&1)" = "0" ] && break
  sleep 0.2
done
key_into "$gamewin" Escape
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then echo "Escape did not end the game"; kill $pid; exit 1; fi
wait $pid
INNER
chmod +x "$game/play.sh"
on_own_xserver "$game/play.sh" "$game" || exit 1

differing=$(compare -metric AE "$game/expected.png" "$game/shot.png" null: 2>&1)
echo "pixels differing from the engine's frame: $differing"
[ "$differing" = "0" ] || exit 1
# Quitting saved the window's place and the chosen size.
tr -d '\r' <"$game/DATA/win_state.log" | head -2 | tr '\n' ' ' | grep -q '^100 150 ' || {
  echo "win_state.log after quitting:"; cat "$game/DATA/win_state.log"; exit 1; }
grep -q '^2' "$game/DATA/select_game.log" || { echo "select_game.log lost the size"; exit 1; }
echo "ok"
