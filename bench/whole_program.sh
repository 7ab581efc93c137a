#!/usr/bin/env bash
# The real game on an X server of its own (Xvfb, 1280 x 1024 x 24) under
# openbox, played by xdotool: 10 s on the title, 10 s on a 20 x 20 board with
# the pointer moving over it, 10 s with hints held. For each stretch it prints
# the game's and the X server's share of one core, from the CPU time in
# /proc/<pid>/stat, and at the end the game's peak resident memory (VmHWM).
# Then the same for the peer, a minimal SDL2 program showing a 640 x 480
# 16-bit frame at 20 frames a second, for 10 s. Last, bench/sound_server.sh:
# the game with a PulseAudio server running.
# Arguments: the build folder (lumora, IMAGE/, WAVE/) and the peer program.
set -u
build="$(cd "$1" && pwd)"
peer="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
seconds="${SECONDS_PER_STRETCH:-10}"
sound_bench="$(cd "$(dirname "$0")" && pwd)/sound_server.sh"
. "$(dirname "$0")/../tests/xvfb/common.sh"
need_tools Xvfb openbox xdotool xprop

work=$(mktemp -d)
pids=()
cleanup() {
  # The X server last, so that no client outlives its display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
make_game_folder "$build" "$work"
printf '3\r\n' >"$work/DATA/select_game.log"

Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xserver=$!
pids+=("$xserver")
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=("$!")
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

ticks=$(getconf CLK_TCK)
# User and system time of a process, in clock ticks.
cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
now() { date +%s.%N; }
# Measures the game (or the peer) and the X server while a command runs in
# the background for the stretch, and prints one line of the table.
stretch() {
  local name="$1" pid="$2" driver="$3"
  local g0 x0 t0 g1 x1 t1
  $driver &
  local drive=$!
  g0=$(cpu_of "$pid") x0=$(cpu_of "$xserver") t0=$(now)
  sleep "$seconds"
  g1=$(cpu_of "$pid") x1=$(cpu_of "$xserver") t1=$(now)
  kill "$drive" 2>/dev/null
  wait "$drive" 2>/dev/null
  awk -v n="$name" -v g=$((g1 - g0)) -v x=$((x1 - x0)) -v t0="$t0" -v t1="$t1" -v hz="$ticks" \
    'BEGIN {s = t1 - t0; printf "| %-28s | %6.2f%% | %6.2f%% |\n", n, 100 * g / hz / s, 100 * x / hz / s}'
}
idle() { :; }
# Over the board, cell to cell, twenty moves a second.
pointer_over_board() {
  local i=0
  while :; do
    xdotool mousemove --window "$gamewin" $((140 + (i * 37) % 400)) $((60 + (i * 53) % 400))
    i=$((i + 1))
    sleep 0.05
  done
}
hints_held() {
  xdotool mousemove --window "$gamewin" 300 300 mousedown 3
  trap 'xdotool mouseup 3; exit 0' TERM
  while :; do sleep 0.1; done
}
peak_memory() { awk '/VmHWM/ {printf "%.1f MB", $2 / 1024}' "/proc/$1/status"; }

cd "$work"
# In Japanese, as the original and the tests, whatever the machine's locale.
./lumora --lang ja 2>lumora.err &
game=$!
pids+=("$game")
dialog=$(find_window " Lumora$") || { cat lumora.err; echo "no dialog appeared"; exit 1; }
gamewin=$(start_game "$dialog") || { cat lumora.err; echo "no game window appeared"; exit 1; }
sleep 1

echo "| stretch ($seconds s)              | game    | X server |"
echo "|------------------------------|---------|----------|"
stretch "title" "$game" idle
xdotool mousemove --window "$gamewin" 400 230 click 1
sleep 0.3
xdotool mousemove --window "$gamewin" 330 320 click 1
sleep 0.5
stretch "20 x 20, pointer moving" "$game" pointer_over_board
stretch "20 x 20, hints held" "$game" hints_held
game_peak=$(peak_memory "$game")
xdotool key --window "$gamewin" Escape
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done

"$peer" &
peer_pid=$!
pids+=("$peer_pid")
sleep 1
stretch "peer: SDL2, 20 frames/s" "$peer_pid" idle
peer_peak=$(peak_memory "$peer_pid")
kill "$peer_pid"
echo
echo "peak resident memory: game $game_peak, peer $peer_peak"
echo
# The game again, with a sound server to play its click into.
"$sound_bench" "$build"
