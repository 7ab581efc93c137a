#!/usr/bin/env bash
# The game installed into a prefix of its own, made read-only, and played on
# an X server with HOME in a fresh folder: the first run makes the state
# files in ~/.local/share/lumora/, a solved board puts its total in score.log,
# the next run reads it back onto the title screen, and the prefix is left
# exactly as installed. Exit 77 tells CTest a tool is missing.
# Arguments: the build folder, script_runner and the language the
# environment names (ja or en), whose words the dialog's caption must show.
set -u
build="$1"
runner="$2"
lang="${3:-ja}"
. "$(dirname "$0")/../xvfb/common.sh"
need_tools Xvfb xdotool import compare convert

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; exit 1; }
for f in bin/lumora share/lumora/IMAGE/Back.dat share/lumora/IMAGE/en/Back.dat share/lumora/WAVE/push_on.wav \
         share/locale/ja/LC_MESSAGES/lumora.mo; do
  [ -e "$work/prefix/$f" ] || { echo "the install left out $f"; exit 1; }
done
chmod -R a-w "$work/prefix"
# Every path with its kind, size, mode and time: what a write would change.
listing() { (cd "$work/prefix" && find . -printf '%p %y %s %m %T@\n' | sort); }
listing >"$work/before"
mkdir "$work/home"
cp "$runner" "$work/script_runner"
cp "$(dirname "$0")/../xvfb/common.sh" "$work/common.sh"

cat >"$work/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
cd "$1"
. ./common.sh
fail() { echo "$1"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }
state="$HOME/.local/share/lumora"

ended() { ! kill -0 "$pid" 2>/dev/null; }
# The region of the game window on the screen against the same region of a
# frame of the headless game.
region_matches() {
  local expected="$1" geometry="$2" w h x y
  IFS='x+' read -r w h x y <<<"$geometry"
  import -window root -crop "${w}x${h}+$((226 + x))+$((123 + y))" +repage shot.png 2>/dev/null || return 1
  convert "$expected" -crop "$geometry" +repage expected.png
  [ "$(compare -metric AE expected.png shot.png null: 2>&1)" = "0" ]
}
# A game folder for the headless game with the installed art and the state
# files as they stand in the XDG folder now.
headless_folder() {
  rm -rf "$1" && mkdir -p "$1" && cp -r prefix/share/lumora/IMAGE prefix/share/lumora/WAVE prefix/share/locale "$1/" && cp -r "$state" "$1/DATA"
}
banner="200x32+230+172"

# First run: the files appear with the first-run values as the dialog shows.
prefix/bin/lumora 2>lumora.err &
pid=$!
dialog=$(find_window "Lumora") || fail "no dialog appeared"
# The installed game found its catalog, or went without where English needs none.
caption=$(xdotool getwindowname "$dialog")
case "$LANG_WANTED" in
  ja) [ "$caption" = "サテライト Lumora" ] || fail "the dialog's caption is '$caption', not the Japanese one" ;;
  *) [ "$caption" = "Lumora Satellite" ] || fail "the dialog's caption is '$caption', not the English one" ;;
esac
wait_for 50 test -f "$state/score.log" || fail "no state files in $state"
[ "$(tr -d '\r' <"$state/win_state.log" | tr '\n' ' ')" = "123 226 1 " ] || fail "win_state.log is not the first-run one"
headless_folder first
# The title, and a fresh 6x6 board before any cell is lit, look the same
# whatever the seed.
printf 'start\nframes 3\nshot title.png\nclick 330 320\nframes 2\nshot board.png\n' >begin.txt
./script_runner first begin.txt || fail "the headless run failed"
first_second=$(date +%s)
gamewin=$(start_game "$dialog") || fail "no game window appeared"
last_second=$(date +%s)
wait_for 50 region_matches title.png 640x480+0+0 || fail "the title screen did not show"
# The pointer then leaves the board, so that no cell under it is tinted.
xdotool mousemove --window "$gamewin" 330 320 click 1 mousemove --window "$gamewin" 600 300
wait_for 50 region_matches board.png 400x400+130+50 || fail "no board started"

# The board was seeded with the second the game window opened at: light the
# hidden cells of each possible board until the real game shows it solved,
# switching a wrong guess off again.
solved=""
for seed in $(seq "$first_second" "$last_second"); do
  printf 'seed %s\nstart\nframes 3\nclick 330 320\nframes 2\nhidden cells.%s\n' "$seed" "$seed" >find.txt
  ./script_runner first find.txt || fail "the headless run failed"
  { printf 'seed %s\nstart\nframes 3\nclick 330 320\nframes 2\n' "$seed"
    sed 's/^/click /' "cells.$seed"
    printf 'frames 3\nshot solved.%s.png\n' "$seed"; } >solve.txt
  ./script_runner first solve.txt || fail "the headless run failed"
  while read -r x y; do xdotool mousemove --window "$gamewin" "$x" "$y" click 1; sleep 0.05; done <"cells.$seed"
  xdotool mousemove --window "$gamewin" 600 300
  if wait_for 30 region_matches "solved.$seed.png" "$banner"; then solved=$seed; break; fi
  while read -r x y; do xdotool mousemove --window "$gamewin" "$x" "$y" click 1; sleep 0.05; done <"cells.$seed"
done
[ -n "$solved" ] || fail "the board was not solved with the cells of any second it may have been seeded with"
echo "solved the board seeded with $solved"
key_into "$gamewin" Escape
wait_for 50 ended || fail "Escape did not end the game"
wait "$pid" || fail "the game ended with an error"
pid=""
score=$(tr -d '\r' <"$state/score.log" | head -1)
echo "score.log holds $score for the 6x6 board"
[ "$score" -gt 0 ] 2>/dev/null || fail "the solved board's total is not in score.log"

# Second run: the title screen shows the total read back from the files.
headless_folder second
printf 'start\nframes 3\nshot title.png\n' >title.txt
./script_runner second title.txt || fail "the headless run failed"
prefix/bin/lumora 2>>lumora.err &
pid=$!
dialog=$(find_window "Lumora") || fail "no dialog appeared the second time"
gamewin=$(start_game "$dialog") || fail "no game window appeared the second time"
wait_for 30 region_matches title.png 640x480+0+0 || fail "the title screen does not show the stored high score"
key_into "$gamewin" Escape
wait_for 50 ended || fail "Escape did not end the second game"
wait "$pid" || fail "the second game ended with an error"
[ "$(tr -d '\r' <"$state/score.log" | head -1)" = "$score" ] || fail "the second run lost the score"
INNER
chmod +x "$work/play.sh"
(unset XDG_DATA_HOME && HOME="$work/home" LANG_WANTED="$lang" on_own_xserver "$work/play.sh" "$work") || exit 1

listing >"$work/after"
diff "$work/before" "$work/after" >/dev/null || { echo "the game wrote into its prefix:"; diff "$work/before" "$work/after"; exit 1; }
echo "ok: the state files live in the XDG folder and the prefix is untouched"
