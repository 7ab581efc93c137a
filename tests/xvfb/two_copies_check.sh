#!/usr/bin/env bash
# Two copies of the real game on one set of state files, under a window
# manager (openbox or icewm),
# driven by xdotool as a player would. The first copy runs; the second's
# dialog takes the activation, the first steps aside with its panel and
# leaves the activation there, so one click starts the second. The second
# solves a 6x6 board and quits; the first quits after it and the record
# stays (the other order is the state files' own unit test).
# Exit 77 tells CTest a tool is missing.
# Arguments: the build folder (lumora, IMAGE/, WAVE/), script_runner and the
# window manager to run.
set -u
build="$1"
runner="$2"
wm="$3"
. "$(dirname "$0")/common.sh"
need_tools Xvfb "$wm" xdotool xprop import compare convert

game=$(mktemp -d)
trap 'rm -rf "$game"' EXIT
make_game_folder "$build" "$game"
printf '0\r\n' >"$game/DATA/select_game.log"
cp "$runner" "$game/script_runner"

cat >"$game/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
wm="$2"
. ./common.sh
pids=()
fail() { echo "$1"; for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; exit 1; }

start_window_manager "$wm" || fail "$wm did not start"

# The visible window of a copy whose name matches, waited for up to 5 s.
window_of() {
  local w
  for _ in $(seq 50); do
    w=$(xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}
ended() { ! kill -0 "$1" 2>/dev/null; }
focused() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
first_score() { tr -d '\r' <DATA/score.log | head -1; }
# The solved banner of the game window at 150, 100 against the headless game's.
banner_matches() {
  import -window root -crop 200x32+380+272 +repage shot.png 2>/dev/null || return 1
  convert "$1" -crop 200x32+230+172 +repage expected.png
  [ "$(compare -metric AE expected.png shot.png null: 2>&1)" = "0" ]
}
start_copy() {
  ./lumora 2>>lumora.err &
  pids+=($!)
  pid=$!
}

# Starts a copy while another runs, and gives the other's panel back
# to the first copy: prints nothing, sets pid, dialog.
start_second() {
  local other="$1"
  start_copy
  dialog=$(window_of "$pid" " Lumora$") || fail "no dialog of the second copy appeared"
  panel=$(window_of "$other" " Lumora$") || fail "the first copy showed no panel when the second's dialog came"
  # The first copy's panel leaves the activation with the second's dialog.
  wait_for 30 focused "$dialog" || fail "the second copy's dialog does not have the focus once the panel shows"
  sleep 0.5
  focused "$dialog" || fail "the first copy's panel took the focus from the second's dialog"
}

# A copy runs, at its title screen.
start_copy
a=$pid
a_dialog=$(window_of "$a" " Lumora$") || fail "no dialog appeared"
a_game=$(start_game "$a_dialog") || fail "no game window appeared"
wait_for 50 focused "$a_game" || fail "the game window did not take the focus"

# The second copy: its board is seeded with the second its window opens at.
start_second "$a"
b=$pid
first_second=$(date +%s)
xdotool mousemove --window "$dialog" 100 255 click 1
b_game=$(window_of "$b" "^Lumora$") || fail "the first click on the second copy's start button did not start it"
last_second=$(date +%s)
sleep 1
xdotool mousemove --window "$b_game" 330 320 click 1 mousemove --window "$b_game" 600 300

# Light the hidden cells of each board it may have, until it shows solved,
# switching a wrong guess off again.
solved=""
for seed in $(seq "$first_second" "$last_second"); do
  rm -rf headless && mkdir headless && cp -r IMAGE WAVE locale DATA headless/
  printf 'seed %s\nstart\nframes 3\nclick 330 320\nframes 2\nhidden cells.%s\n' "$seed" "$seed" >find.txt
  ./script_runner headless find.txt || fail "the headless run failed"
  { printf 'seed %s\nstart\nframes 3\nclick 330 320\nframes 2\n' "$seed"
    sed 's/^/click /' "cells.$seed"
    printf 'frames 3\nshot solved.%s.png\n' "$seed"; } >solve.txt
  ./script_runner headless solve.txt || fail "the headless run failed"
  while read -r x y; do xdotool mousemove --window "$b_game" "$x" "$y" click 1; sleep 0.05; done <"cells.$seed"
  xdotool mousemove --window "$b_game" 600 300
  if wait_for 30 banner_matches "solved.$seed.png"; then solved=$seed; break; fi
  while read -r x y; do xdotool mousemove --window "$b_game" "$x" "$y" click 1; sleep 0.05; done <"cells.$seed"
done
[ -n "$solved" ] || fail "the second copy's board was not solved with the cells of any second it may have been seeded with"

# The copy with the record quits first, the one without it last.
key_into "$b_game" Escape
wait_for 50 ended "$b" || fail "Escape did not end the second copy"
wait "$b" || fail "the second copy ended with an error"
record=$(first_score)
echo "the second copy saved $record for the 6x6 board"
[ "$record" -gt 0 ] 2>/dev/null || fail "the solved board's total is not in score.log"
xdotool mousemove --window "$panel" 70 170 click 1
a_game=$(window_of "$a" "^Lumora$") || fail "the first copy's panel did not bring its game back"
key_into "$a_game" Escape
wait_for 50 ended "$a" || fail "Escape did not end the first copy"
wait "$a" || fail "the first copy ended with an error"
[ "$(first_score)" = "$record" ] || fail "the first copy, quitting last, left $(first_score) in place of $record"

echo "ok: the record $record stayed with the copy without it quitting last"
INNER
chmod +x "$game/play.sh"
on_own_xserver "$game/play.sh" "$game" "$wm" || { cat "$game/lumora.err"; exit 1; }
