#!/usr/bin/env bash
# The Windows game under Wine, on an X server of its own with openbox, played
# as a player would. From a folder named in Japanese: the dialog comes up,
# the title is the headless game's frame, a 6x6 board is solved by keys and
# Escape keeps the record beside lumora.exe. Then with that DATA\ closed to
# writing and a Windows user named in Japanese: the size chosen on the title
# reaches %APPDATA%\Lumora when the session ends under the game. Last, in a
# prefix of its own at 192 dpi: the dialog and the game twice their size, and
# a click at twice its place acting.
# Wine ignores a folder's rights for root, so root plays as nobody (or
# LUMORA_WINE_USER), with a prefix of that user's own.
# Exit 77 tells CTest a tool is missing or that no user could be found to whom
# a folder can be closed.
# Arguments: the Windows game's folder, script_runner, and a folder for the
# Wine prefix.
set -u
windows_game=$(realpath "$1")
runner=$(realpath "$2")
wine_dir=$(realpath -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../xvfb/common.sh"
need_tools Xvfb openbox wine wineserver xdotool xwininfo xprop import compare convert

work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
player=$(id -un)
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  player=${LUMORA_WINE_USER:-nobody}
  need_tools runuser
  id "$player" >/dev/null 2>&1 || { echo "skipped: no user $player to play as"; exit 77; }
  as_player=(runuser -u "$player" --)
fi
prefix_dir="$wine_dir/window-$player"
mkdir -p "$prefix_dir"
# The folder the game is unpacked to is named in Japanese.
game="$work/ゲーム"
mkdir "$game"
cp -r "$windows_game/lumora.exe" "$windows_game/IMAGE" "$windows_game/WAVE" "$windows_game/locale" \
  "$windows_game/FONTS" "$game/"
mkdir "$game/DATA"
printf '100\r\n150\r\n1\r\n' >"$game/DATA/win_state.log"
printf '0\r\n' >"$game/DATA/select_game.log"
printf '0\r\n0\r\n0\r\n0\r\n' >"$game/DATA/score.log"
cp -r "$game/DATA" "$work/DATA.first"
cp "$here/../xvfb/common.sh" "$here/wine_env.sh" "$work/"
# The player may not reach into the build folder (a clone in a private
# folder, say): the runner goes along, and the prefixes then live and die
# with the check.
cp "$runner" "$work/script_runner"
runner="$work/script_runner"
if [ ${#as_player[@]} -gt 0 ]; then
  chown -R "$player" "$work"
  chown "$player" "$prefix_dir"
  "${as_player[@]}" true 2>/dev/null || { echo "skipped: cannot run as $player"; exit 77; }
  if ! "${as_player[@]}" test -w "$prefix_dir" 2>/dev/null; then
    prefix_dir="$work/wine"
    mkdir "$prefix_dir" && chown "$player" "$prefix_dir"
  fi
fi

cat >"$work/play.sh" <<'INNER'
#!/usr/bin/env bash
set -u
work="$1" runner="$2" prefix_dir="$3"
cd "$work"
. ./common.sh
# Wine's sound drivers leave their runtime folders here, not in /tmp.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 -p "$XDG_RUNTIME_DIR"
. ./wine_env.sh "$prefix_dir/prefix"
game="$work/ゲーム"
fail() { echo "$1"; wineserver -k 2>/dev/null; exit 1; }

start_window_manager openbox || fail "openbox did not start"
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
client_at() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'; }
ended() { ! kill -0 "$1" 2>/dev/null; }
size_of() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
since() { local ms=$((($(date +%s%N) - $1) / 1000000)); printf '%d.%03d s' $((ms / 1000)) $((ms % 1000)); }
# The game hands SDL its 16-bit frames, and SDL widens them to the screen's
# 24 bits with a table of its own: pictures are compared in the 16 bits both
# started from, the top 5, 6 and 5 bits of each colour.
to16() { convert "$1" -alpha off -channel R,B -evaluate And 63488 -channel G -evaluate And 64512 +channel "$2"; }
same16() {
  to16 "$1" "$1.16.png" && to16 "$2" "$2.16.png" &&
    differing=$(compare -metric AE "$1.16.png" "$2.16.png" null: 2>&1) && [ "$differing" = "0" ]
}
# A rectangle of the game window's client area, at $1, against the same
# rectangle of a headless frame.
shows() {
  local at="$1" expected="$2" geometry="$3" name="$4" x y
  read -r x y <<<"$at"
  local size="${geometry%%+*}" offset="${geometry#*+}"
  import -window root -crop "$size+$((x + ${offset%+*}))+$((y + ${offset#*+}))" +repage "$name.png" 2>/dev/null &&
    convert "$expected" -crop "$geometry" +repage "$name.expected.png" && same16 "$name.expected.png" "$name.png"
}
# Runs the headless game on a fresh copy of the first state files.
headless() {
  local dir="$1" script="$2"
  rm -rf "$dir" && mkdir "$dir" && cp -r "$game/IMAGE" "$game/WAVE" "$game/locale" "$dir/" && cp -r DATA.first "$dir/DATA"
  LANGUAGE=${3:-en} "$runner" "$dir" "$script" >/dev/null || fail "the headless run of $script failed"
}
wine_game() {
  local lang="$1"
  shift
  (cd "$game" && exec env "$@" wine ./lumora.exe --lang "$lang") >>lumora.log 2>&1 &
  pid=$!
}
appdata_state() { find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/Lumora/*' -type f 2>/dev/null; }
# The prefix outlives a run; the state files an earlier one left there go.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Lumora

# In Japanese, from the folder named in Japanese.
printf 'start\nframes 3\nshot %s/title.png\n' "$PWD/title" >title.txt
headless title title.txt ja
started=$(date +%s%N)
wine_game ja
wait_for 200 eval 'dialog=$(visible Lumora); [ -n "$dialog" ]' || fail "no dialog came up"
echo "the dialog came up after $(since "$started"), Wine's session starting with it"
first_second=$(date +%s)
gamewin=$(start_game "$dialog") || fail "no game window came up"
last_second=$(date +%s)
at=$(client_at "$gamewin")
echo "the game window at $at"
[ "$at" = "150 100" ] || fail "the game window is not where win_state.log puts it"
wait_for 50 shows "$at" title/title.png 640x480+0+0 title || fail "the title differs from the headless game's in $differing pixels"

# A 6x6 board, started by Return and solved by the arrow keys and Return
# alone. It is seeded with the second its window opened at: each such board
# is tried, the latest first, and a wrong one's cells switched off again.
key_into "$gamewin" Return
column=0 row=0
walk_to() {
  local keys=()
  while [ "$column" -lt "$1" ]; do keys+=(Right); column=$((column + 1)); done
  while [ "$column" -gt "$1" ]; do keys+=(Left); column=$((column - 1)); done
  while [ "$row" -lt "$2" ]; do keys+=(Down); row=$((row + 1)); done
  while [ "$row" -gt "$2" ]; do keys+=(Up); row=$((row - 1)); done
  [ ${#keys[@]} -eq 0 ] || xdotool key --delay 30 "${keys[@]}"
}
switch_cells() {
  while read -r x y; do
    walk_to $(((x - 270) / 20)) $(((y - 190) / 20))
    xdotool key Return
    sleep 0.05
  done <"$1"
}
solved=""
for seed in $(seq "$last_second" -1 "$first_second"); do
  printf 'seed %s\nstart\nframes 3\nkey 13\nframes 2\nhidden %s/cells\n' "$seed" "$PWD/board.$seed" >find.txt
  headless "board.$seed" find.txt ja
  { printf 'seed %s\nstart\nframes 3\nkey 13\nframes 2\n' "$seed"
    sed 's/^/click /' "board.$seed/cells"
    printf 'frames 3\nshot %s/solved.png\n' "$PWD/solved.$seed"; } >solve.txt
  headless "solved.$seed" solve.txt ja
  switch_cells "board.$seed/cells"
  # The banner over the board; the clock and the points run on wall time.
  if wait_for 30 shows "$at" "solved.$seed/solved.png" 200x32+230+172 banner; then solved=$seed; break; fi
  switch_cells "board.$seed/cells"
done
[ -n "$solved" ] || fail "no board the game may have been seeded with was solved by its cells"
echo "the board seeded with $solved solved by keys"
key_into "$gamewin" Escape
wait_for 100 ended "$pid" || fail "Escape did not end the game"
wait "$pid" || fail "the game ended with code $? after Escape"
record=$(tr -d '\r' <"$game/DATA/score.log" | head -1)
echo "score.log beside lumora.exe holds $record for the 6x6 board"
[ "$record" -gt 0 ] 2>/dev/null || fail "the solved board's total is not in score.log"
[ -z "$(appdata_state)" ] || fail "with its own DATA\\ writable the game wrote $(appdata_state)"

# DATA\ closed to writing, and a Windows user named in Japanese.
cp -r "$game/DATA" DATA.kept
chmod a-w "$game/DATA"
if touch "$game/DATA/probe" 2>/dev/null; then
  echo "skipped: $(id -un) writes to a folder closed to writing"
  wineserver -k 2>/dev/null
  exit 77
fi
started=$(date +%s%N)
wine_game en USER=プレイヤー LOGNAME=プレイヤー
wait_for 200 eval 'dialog=$(visible Lumora); [ -n "$dialog" ]' || fail "no dialog came up with DATA closed"
echo "the dialog came up after $(since "$started") in the running session"
dialog_size=$(size_of "$dialog")
gamewin=$(start_game "$dialog") || fail "no game window came up with DATA closed"
printf 'start\nframes 3\nkey 39\nframes 2\nshot %s/next.png\n' "$PWD/size" >size.txt
headless size size.txt
key_into "$gamewin" Right
wait_for 50 shows "$(client_at "$gamewin")" size/next.png 640x480+0+0 size || fail "Right did not choose the next size"
# A logoff: Wine asks every window, as Windows does; the game quits and saves.
wine wineboot --end-session >/dev/null 2>&1
wait_for 100 ended "$pid" || fail "the end of the session did not end the game"
appdata="$WINEPREFIX/drive_c/users/プレイヤー/AppData/Roaming/Lumora"
for f in win_state.log select_game.log score.log; do
  [ -f "$appdata/$f" ] || fail "no $f in the Japanese-named user's AppData: $(appdata_state)"
done
[ "$(tr -d '\r' <"$appdata/select_game.log")" = "1" ] || fail "select_game.log in AppData holds $(od -c "$appdata/select_game.log")"
diff -r DATA.kept "$game/DATA" >/dev/null || fail "the closed DATA changed"
echo "the state files in $appdata"
wineserver -k 2>/dev/null

# At 192 dpi, set once in a prefix of its own so that the others stay at 96:
# everything twice its size, and a click on the 20x20 label at twice its
# place chooses it. From the first state files, in a DATA\ open again.
chmod u+w "$game/DATA" && rm -rf "$game/DATA" && cp -r DATA.first "$game/DATA"
. ./wine_env.sh "$prefix_dir/prefix-192dpi"
if [ ! -f "$WINEPREFIX/.192dpi" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1 ||
    fail "the prefix's DPI could not be set"
  wineserver -w
  touch "$WINEPREFIX/.192dpi"
fi
printf 'start\nframes 3\nshot %s/title.png\nclick 400 232\nframes 2\nshot %s/chosen.png\n' "$PWD/x2" "$PWD/x2" >x2.txt
headless x2 x2.txt
convert x2/title.png -scale 200% x2/title.x2.png && convert x2/chosen.png -scale 200% x2/chosen.x2.png
started=$(date +%s%N)
wine_game en
wait_for 200 eval 'dialog=$(visible Lumora); [ -n "$dialog" ]' || fail "no dialog came up at 192 dpi"
twice=$(awk -Fx '{print 2 * $1 "x" 2 * $2}' <<<"$dialog_size")
echo "the dialog at 192 dpi is $(size_of "$dialog"), at 96 dpi $dialog_size"
[ "$(size_of "$dialog")" = "$twice" ] || fail "the dialog at 192 dpi is not twice its size"
gamewin=$(start_game "$dialog" 200 510) || fail "no game window came up at 192 dpi"
[ "$(size_of "$gamewin")" = 1280x960 ] || fail "the game window at 192 dpi is $(size_of "$gamewin")"
at=$(client_at "$gamewin")
wait_for 50 shows "$at" x2/title.x2.png 1280x960+0+0 twice || fail "the title at 192 dpi differs from the doubled frame in $differing pixels"
xdotool mousemove --window "$gamewin" 800 464 click 1
wait_for 50 shows "$at" x2/chosen.x2.png 1280x960+0+0 twice || fail "a click on the 20x20 label at 192 dpi did not choose it"
key_into "$gamewin" Escape
wait_for 100 ended "$pid" || fail "Escape did not end the game at 192 dpi"
echo "at 192 dpi the title and the 20x20 label's click, doubled, in $(since "$started") with Wine's start"
wineserver -k 2>/dev/null
exit 0
INNER
chmod +x "$work/play.sh"
begun=$(date +%s)
# Room for the 1280 x 960 game window at 150, 100.
XVFB_SCREEN=1920x1200x24 on_own_xserver "${as_player[@]}" "$work/play.sh" "$work" "$runner" "$prefix_dir"
rc=$?
[ $rc -eq 77 ] && exit 77
[ $rc -eq 0 ] || { grep -v '^ALSA lib' "$work/lumora.log"; exit 1; }
echo "ok in $(($(date +%s) - begun)) s"
