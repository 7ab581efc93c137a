#!/usr/bin/env bash
# The real game with a sound server running, as on a desktop: a PulseAudio
# server of the benchmark's own (a null sink, no system configuration, no
# autospawn, its own XDG_RUNTIME_DIR) and an X server of its own (Xvfb under
# openbox). 10 s on the title before any sound, 10 s on a still 20 x 20
# board after a click, 10 s on the title after that board. For each stretch
# it prints the game's share of one core (CPU time from /proc/<pid>/stat),
# its wake-ups a second (the voluntary and involuntary context switches of
# all its threads, /proc/<pid>/task/*/status) and the sound server's share.
# Argument: the build folder (lumora, IMAGE/, WAVE/).
set -u
build="$(cd "$1" && pwd)"
seconds="${SECONDS_PER_STRETCH:-10}"
. "$(dirname "$0")/../tests/xvfb/common.sh"
need_tools Xvfb openbox xdotool xprop pulseaudio pactl

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
make_game_folder "$build" "$work"
printf '3\r\n' >"$work/DATA/select_game.log"

# The server reads no configuration of the system's (an empty daemon.conf,
# no default.pa), keeps its cookie and runtime files in the work folder,
# takes clients without one, and never exits by itself; its clients never
# start one of their own. As root it warns that it is meant for a user, and
# runs.
pulse="$work/pulse"
mkdir -p "$pulse/run" "$pulse/home"
printf 'autospawn = no\n' >"$pulse/client.conf"
: >"$pulse/daemon.conf"
HOME="$pulse/home" XDG_CONFIG_HOME="$pulse/home/.config" XDG_RUNTIME_DIR="$pulse/run" PULSE_CONFIG="$pulse/daemon.conf" \
  pulseaudio -n --daemonize=no --system=no --use-pid-file=no --exit-idle-time=-1 \
  --realtime=no --high-priority=no --log-target=stderr \
  -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse/native" \
  2>"$pulse/log" &
server=$!
pids+=("$server")
for _ in $(seq 100); do [ -S "$pulse/native" ] && break; sleep 0.1; done
[ -S "$pulse/native" ] || { cat "$pulse/log"; echo "the sound server did not start"; exit 1; }
export PULSE_SERVER="unix:$pulse/native" PULSE_CLIENTCONFIG="$pulse/client.conf" PULSE_COOKIE="$pulse/cookie"
export XDG_RUNTIME_DIR="$pulse/run"
unset SDL_AUDIODRIVER

ticks=$(getconf CLK_TCK)
cpu_of() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Each thread's context switches, voluntary and not: "tid count" lines.
switches_of() {
  local task
  for task in /proc/"$1"/task/*; do
    awk -v tid="${task##*/}" '/ctxt_switches/ {n += $2} END {if (NR) print tid, n}' "$task/status" 2>/dev/null
  done
}
# Wake-ups between two snapshots, thread by thread: a thread born meanwhile
# counts from zero, one that ended meanwhile is lost to the count.
wakeups_between() {
  awk 'NR == FNR {before[$1] = $2; next} {n += $2 - before[$1]} END {print n + 0}' "$1" "$2"
}
now() { date +%s.%N; }
stretch() {
  local name="$1" g0 s0 t0 g1 s1 t1 w
  switches_of "$game" >"$work/switches.0"
  g0=$(cpu_of "$game") s0=$(cpu_of "$server") t0=$(now)
  sleep "$seconds"
  switches_of "$game" >"$work/switches.1"
  g1=$(cpu_of "$game") s1=$(cpu_of "$server") t1=$(now)
  w=$(wakeups_between "$work/switches.0" "$work/switches.1")
  awk -v n="$name" -v g=$((g1 - g0)) -v w="$w" -v s=$((s1 - s0)) -v t0="$t0" -v t1="$t1" -v hz="$ticks" \
    'BEGIN {d = t1 - t0; printf "| %-30s | %6.2f%% | %10.1f | %6.2f%% |\n", n, 100 * g / hz / d, w / d, 100 * s / hz / d}'
}

play() {
  openbox >"$work/openbox.log" 2>&1 &
  local wm=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  cd "$work"
  ./lumora --lang ja 2>lumora.err &
  game=$!
  local dialog gamewin
  dialog=$(find_window " Lumora$") || { cat lumora.err; echo "no dialog appeared"; kill "$game" "$wm"; return 1; }
  gamewin=$(start_game "$dialog") || { cat lumora.err; echo "no game window appeared"; kill "$game" "$wm"; return 1; }
  # The pointer rests over the game all along: away from its windows the
  # game asks the X server where it is each frame, which would count too.
  xdotool mousemove --window "$gamewin" 250 170
  sleep 1

  printf '| %-30s | game    | wake-ups/s | server  |\n' "with a sound server ($seconds s)"
  echo "|--------------------------------|---------|------------|---------|"
  stretch "title, before any sound"
  # The size, the start button, then a cell, which clicks.
  xdotool mousemove --window "$gamewin" 400 230 click 1
  sleep 0.3
  xdotool mousemove --window "$gamewin" 330 320 click 1
  sleep 1
  xdotool mousemove --window "$gamewin" 250 170 click 1
  local heard=""
  for _ in $(seq 20); do
    [ -n "$(pactl list short sink-inputs 2>/dev/null)" ] && { heard=1; break; }
    sleep 0.05
  done
  [ -n "$heard" ] || echo "(the click did not reach the sound server)"
  sleep 2
  stretch "20 x 20, still, after a click"
  # The menu's second item gives the board up; the result goes back to the title.
  for key in m Down Down Return; do key_into "$gamewin" "$key"; sleep 0.2; done
  sleep 0.5
  key_into "$gamewin" Return
  sleep 2
  stretch "title, after the board"
  key_into "$gamewin" Escape
  for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
  kill "$game" 2>/dev/null
  kill "$wm"
  wait "$wm" 2>/dev/null
}
on_own_xserver play
