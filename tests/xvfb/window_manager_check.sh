#!/usr/bin/env bash
# The real game under an X server with a window manager (openbox or icewm,
# whose frames differ), driven like a player would: the centred dialog's
# start button, the game window at the place of win_state.log, a cell and a
# give-up from the menu, the strip's minimise button and the focus-lost
# panel's way back, a drag by the title strip made of absolute pointer moves,
# full screen and back, Escape, and a close by the window manager.
# Each screenshot is compared with the frame the headless game draws from the
# same files and seed; the timer and points boxes run on wall-clock time here
# and are left out of the comparison.
# Exit 77 tells CTest a tool is missing.
# Arguments: the build folder (lumora, IMAGE/, WAVE/), script_runner and the
# window manager to run.
set -u
build="$1"
runner="$2"
wm="$3"
. "$(dirname "$0")/common.sh"
need_tools Xvfb "$wm" wmctrl import xdotool xwininfo xprop compare convert identify

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
make_game_folder "$build" "$game"
cp -r "$game/DATA" "$game/DATA.first"
cp "$runner" "$game/script_runner"

cat >"$game/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
wm="$2"
. ./common.sh
fail() { echo "$1"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }
trap 'code=$?; [ $code -eq 0 ] || echo "play.sh ended with $code at line $LINENO"' EXIT

start_window_manager "$wm" || fail "$wm did not start"

# The client area's place on the screen, and the frame the window manager
# put around it (left right top bottom).
client_at() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'; }
frame_of() {
  for _ in $(seq 30); do
    e=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ',')
    [ -n "$e" ] && { echo "$e"; return 0; }
    sleep 0.1
  done
  echo "0 0 0 0"
}
client_size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }
iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q Iconic; }
# Waits up to 3 s for a command to succeed.
until_true() {
  for _ in $(seq 30); do "$@" && return 0; sleep 0.1; done
  return 1
}
# Screenshot of a screen rectangle compared with a frame of the headless game,
# both with the given mask painted black.
match_once() {
  local expected="$1" geometry="$2" mask="$3" name="$4"
  import -window root -crop "$geometry" +repage "$name.png"
  convert "$name.png" -fill black -draw "$mask" "$name.masked.png"
  convert "$expected" -crop "${geometry%%+*}+0+0" +repage -fill black -draw "$mask" "$name.expected.png"
  differing=$(compare -metric AE "$name.expected.png" "$name.masked.png" null: 2>&1)
  [ "$differing" = "0" ]
}
# The same, tried for a while, since the real game's frames reach the screen
# in their own time.
matches() {
  for _ in $(seq 30); do
    match_once "$@" && return 0
    sleep 0.2
  done
  echo "$4: $differing pixels differ from the engine's frame"
  return 1
}
hud="rectangle 34,74 107,146"
nothing="point 0,0"

./lumora 2>lumora.err &
pid=$!
dialog=$(find_window " Lumora$") || fail "no dialog appeared"
# The dialog and its frame, as the window manager measures it, sit in the
# middle of the 1280 x 1024 screen once the frame is known.
centred() {
  read -r fl fr ft fb <<<"$(frame_of "$dialog")"
  read -r cx cy <<<"$(client_at "$dialog")"
  left=$((cx - fl)) top=$((cy - ft))
  [ "$left" -eq $(((1280 - 390 - fl - fr) / 2)) ] && [ "$top" -eq $(((1024 - 283 - ft - fb) / 2)) ]
}
until_true centred
echo "dialog's frame at $left,$top (frame $fl $fr $ft $fb)"
centred || fail "the dialog is not centred"
# Its frame offers neither minimise nor maximise; where the window manager
# minimises it anyway, it comes back.
actions=$(xprop -id "$dialog" _NET_WM_ALLOWED_ACTIONS 2>/dev/null)
echo "dialog's actions: ${actions#*= }"
echo "$actions" | grep -q MAXIMIZE && fail "the dialog's frame offers to maximise"
echo "$actions" | grep -q _NET_WM_ACTION_CLOSE || fail "the dialog's frame offers no close"
xdotool windowminimize "$dialog"
for _ in $(seq 10); do iconic "$dialog" && break; sleep 0.1; done
until_true eval '! iconic "$dialog"' || fail "the minimised dialog did not come back"

# The game seeds its board with the second it opens at.
first_second=$(date +%s)
gamewin=$(start_game "$dialog") || fail "no game window appeared"
last_second=$(date +%s)
read -r gx gy <<<"$(client_at "$gamewin")"
echo "game window at $gx,$gy"
[ "$gx" -eq 150 ] && [ "$gy" -eq 100 ] || fail "the game window is not where win_state.log puts it"

# The same play in the headless game, for each second the board may have
# been seeded with.
seeds=$(seq "$first_second" "$last_second")
for seed in $seeds; do
  mkdir -p "headless.$seed" && cp -r IMAGE WAVE locale "headless.$seed/" && cp -r DATA.first "headless.$seed/DATA"
  cat >"headless.$seed/play.txt" <<SCRIPT
seed $seed
start
frames 3
shot headless.$seed/title.png
click 280 230
click 330 320
frames 2
click 260 220
frames 2
click 590 45
click 320 252
frames 2
shot headless.$seed/failed.png
click 565 13
frames 2
dialogshot headless.$seed/panel.png
return
frames 3
shot headless.$seed/back.png
key 27
SCRIPT
  ./script_runner "headless.$seed" "headless.$seed/play.txt" || fail "the headless run failed"
done
seed=$(echo "$seeds" | head -1)

matches "headless.$seed/title.png" 640x480+150+100 "$nothing" title || fail "the title differs"
# The window manager's activation may come late; pause between steps as a
# player would.
for at in "280 230" "330 320"; do
  xdotool mousemove --window "$gamewin" $at click 1
  sleep 0.3
done
xdotool mousemove --window "$gamewin" 260 220 click 1
sleep 0.3
xdotool mousemove --window "$gamewin" 590 45 click 1
sleep 0.3
xdotool mousemove --window "$gamewin" 320 252 click 1
found=""
for _ in $(seq 30); do
  for s in $seeds; do
    match_once "headless.$s/failed.png" 640x480+150+100 "$hud" failed && { found=$s; break 2; }
  done
  sleep 0.2
done
[ -n "$found" ] || { matches "headless.$seed/failed.png" 640x480+150+100 "$hud" failed; fail "the result screen differs"; }
seed=$found
echo "the board was seeded with $seed"

# The strip's minimise button gives the screen up for the panel at 15, 15.
xdotool mousemove --window "$gamewin" 565 13 click 1
for _ in $(seq 30); do iconic "$gamewin" && break; sleep 0.1; done
iconic "$gamewin" || fail "the game window was not minimised"
panel=$(find_window " Lumora$") || fail "no panel appeared"
# The window manager frames the panel again as it maps; the game places it
# again once the frame is known: its outer corner at 15, 15, 150 x 220 in all.
panel_placed() {
  read -r fl fr ft fb <<<"$(frame_of "$panel")"
  read -r px py <<<"$(client_at "$panel")"
  read -r pw ph <<<"$(client_size "$panel")"
  [ $((px - fl)) -eq 15 ] && [ $((py - ft)) -eq 15 ] && [ $((pw + fl + fr)) -eq 150 ] && [ $((ph + ft + fb)) -eq 220 ]
}
until_true panel_placed
echo "panel at $((px - fl)),$((py - ft)), $((pw + fl + fr)) x $((ph + ft + fb)) (frame $fl $fr $ft $fb)"
panel_placed || fail "the panel is not 150 x 220 at 15, 15"
xprop -id "$panel" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR || fail "the panel has a taskbar entry"
# The frames differ in size with the window manager's frame; the panel's
# pictures, texts and button sit in the part both have.
matches "headless.$seed/panel.png" "140x190+$px+$py" "$nothing" panel || fail "the panel differs"

xdotool mousemove --window "$panel" 70 170 click 1
for _ in $(seq 30); do iconic "$gamewin" || break; sleep 0.1; done
iconic "$gamewin" && fail "the panel's button did not bring the game back"
read -r gx gy <<<"$(client_at "$gamewin")"
[ "$gx" -eq 150 ] && [ "$gy" -eq 100 ] || fail "the game came back at $gx,$gy, not at its place"
matches "headless.$seed/back.png" 640x480+150+100 "$hud" back || fail "the game's frame differs after its return"

# Dragged by the title strip to 250, 150 with absolute pointer moves, as a
# tablet or a remote desktop makes them: the window keeps the grab point
# under the pointer. The grab point is taken at the first frame of the drag,
# not at the press, so a drag that began late is made again from where the
# window then stands.
at_place() { read -r gx gy <<<"$(client_at "$gamewin")"; [ "$gx" -eq "$1" ] && [ "$gy" -eq "$2" ]; }
for _ in 1 2 3; do
  read -r gx gy <<<"$(client_at "$gamewin")"
  xdotool mousemove $((gx + 200)) $((gy + 13))
  xdotool mousedown 1
  sleep 0.3
  for step in $(seq 10); do
    xdotool mousemove $((gx + 200 + (250 - gx) * step / 10)) $((gy + 13 + (150 - gy) * step / 10))
    sleep 0.05
  done
  until_true at_place 250 150
  xdotool mouseup 1
  at_place 250 150 && break
done
echo "dragged to $gx,$gy"
at_place 250 150 || fail "the drag did not move the window to 250,150"

# Full screen: the frame doubled, the largest whole factor on 1280 x 1024,
# centred on black; the same button in the picture's place brings the
# window back where it was.
xdotool mousemove --window "$gamewin" 590 13 click 1
convert "headless.$seed/back.png" -scale 200% full.expected.png
matches full.expected.png 1280x960+0+32 "rectangle 68,148 215,293" full || fail "the full-screen picture differs"
xdotool mousemove $((590 * 2)) $((13 * 2 + 32)) click 1
for _ in $(seq 30); do
  read -r gx gy <<<"$(client_at "$gamewin")"
  [ "$gx" -eq 250 ] && [ "$gy" -eq 150 ] && break
  sleep 0.1
done
echo "back from full screen at $gx,$gy"
[ "$gx" -eq 250 ] && [ "$gy" -eq 150 ] || fail "leaving full screen did not bring the window back to its place"
matches "headless.$seed/back.png" 640x480+250+150 "$hud" windowed || fail "the frame differs after full screen"

key_into "$gamewin" Escape
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Escape did not end the game"
wait "$pid" || fail "the game ended with code $? after Escape"
echo "$seed" >seed
cp -r DATA DATA.escape

# Closed by the window manager, the game saves as its close button does:
# the size chosen on the title this time is kept.
./lumora 2>>lumora.err &
pid=$!
dialog=$(find_window " Lumora$") || fail "no dialog appeared the second time"
gamewin=$(start_game "$dialog") || fail "no game window appeared the second time"
sleep 0.5
xdotool mousemove --window "$gamewin" 400 232 click 1
sleep 0.5
wmctrl -i -c "$gamewin"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "the window manager's close did not end the game"
wait "$pid" || fail "the game ended with code $? after the window manager's close"

# The game's own error box, readable in the Japanese face: the real box's
# client area is the headless game's box pixel for pixel. The folder's path
# is in the message, so each headless run plays in the folder itself.
box_window() {
  for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --name "^Lumora ver 1.0$" 2>/dev/null | head -1)
    [ -n "$box" ] && return 0
    sleep 0.1
  done
  return 1
}
box_matches() {
  import -window "$box" "$1.real.png" 2>/dev/null &&
    [ "$(compare -metric AE "$1.real.png" "$1" null: 2>&1)" = "0" ]
}
ended() { ! kill -0 "$pid" 2>/dev/null; }

# With win_state.log missing the box stands over the start dialog, which is
# drawn whole behind it and after it.
mkdir -p nofile/DATA && cp -r lumora IMAGE WAVE locale nofile/ && cp DATA.first/select_game.log DATA.first/score.log nofile/DATA/
printf 'dialogshot %s/dialog.png\nboxshot %s/box.png\n' "$PWD/nofile" "$PWD/nofile" >nofile.txt
./script_runner "$PWD/nofile" nofile.txt 2>/dev/null || fail "the headless run without win_state.log failed"
"$PWD/nofile/lumora" 2>>lumora.err &
pid=$!
box_window || fail "no error box appeared for the missing win_state.log"
dialog=$(find_window " Lumora$") || fail "no dialog stood behind the box"
until_true box_matches nofile/box.png || fail "the error box differs from the headless game's"
read -r bw bh <<<"$(identify -format '%w %h' nofile/box.png)"
below=$(((283 + bh) / 2 + 8))
read -r cx cy <<<"$(client_at "$dialog")"
if [ "$below" -lt 283 ]; then
  convert nofile/dialog.png -crop "390x$((283 - below))+0+$below" +repage nofile/dialog.below.png
  matches nofile/dialog.below.png "390x$((283 - below))+$cx+$((cy + below))" "$nothing" dialog.below ||
    fail "the dialog is not drawn behind the box"
fi
key_into "$box" Return
until_true eval '! xdotool search --onlyvisible --name "^Lumora ver 1.0$" >/dev/null 2>&1' || fail "Enter did not close the box"
read -r cx cy <<<"$(client_at "$dialog")"
matches nofile/dialog.png "390x283+$cx+$cy" "$nothing" dialog.after || fail "the dialog is not drawn whole after the box"
wmctrl -i -c "$dialog"
until_true ended || fail "closing the dialog after the box did not end the program"
wait "$pid" || fail "the program ended with code $? after the dialog's close"
[ -e nofile/DATA/win_state.log ] && fail "cancelling after the box wrote win_state.log"

# A broken sheet: the box raised as the game window opens.
mkdir -p broken && cp -r lumora IMAGE WAVE locale broken/ && cp -r DATA.first broken/DATA
head -c 100 IMAGE/Back.dat >broken/IMAGE/Back.dat
printf 'start\nboxshot %s/box.png\n' "$PWD/broken" >broken.txt
./script_runner "$PWD/broken" broken.txt 2>/dev/null || fail "the headless run with a broken sheet failed"
"$PWD/broken/lumora" 2>>lumora.err &
pid=$!
dialog=$(find_window " Lumora$") || fail "no dialog appeared with a broken sheet"
for _ in 1 2 3; do
  xdotool mousemove --window "$dialog" 100 255 click 1
  box_window && break
done
[ -n "$box" ] || fail "no error box appeared for the broken sheet"
until_true box_matches broken/box.png || fail "the broken sheet's box differs from the headless game's"
key_into "$box" space
until_true eval '! xdotool search --onlyvisible --name "^Lumora ver 1.0$" >/dev/null 2>&1' || fail "Space did not close the box"
# The game window, shown with no picture, still closes the game its usual way.
gamewin=$(find_window "^Lumora$") || fail "no game window stood behind the broken sheet's box"
wmctrl -i -c "$gamewin"
until_true ended || fail "closing the game window after the box did not end the program"
wait "$pid" || fail "the program ended with code $? after its window's close"
INNER
chmod +x "$game/play.sh"
on_own_xserver "$game/play.sh" "$game" "$wm" || { cat "$game/lumora.err"; exit 1; }

# Quitting saved the dragged window's place; the chosen size and the scores
# are what the headless game saved after the same play.
seed=$(cat "$game/seed")
[ "$(od -An -c "$game/DATA/win_state.log" | tr -s ' ')" = "$(printf '150\r\n250\r\n1\r\n' | od -An -c | tr -s ' ')" ] || {
  echo "win_state.log after quitting:"; od -c "$game/DATA/win_state.log"; exit 1; }
for f in select_game.log score.log; do
  cmp "$game/DATA.escape/$f" "$game/headless.$seed/DATA/$f" || { echo "$f differs from the headless game's"; exit 1; }
done
[ "$(od -An -c "$game/DATA/select_game.log" | tr -s ' ')" = "$(printf '3\r\n' | od -An -c | tr -s ' ')" ] || {
  echo "select_game.log after the window manager's close:"; od -c "$game/DATA/select_game.log"; exit 1; }
echo "ok"
