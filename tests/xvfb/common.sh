# Shared by the checks that run the real game on an X server; sourced.

# Exit 77, which CTest reads as skipped, when a tool is not installed.
need_tools() {
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
      echo "skipped: $tool is not installed"
      exit 77
    fi
  done
}

# Runs a command on an X server of its own, 1280 x 1024 at 24 bits unless
# XVFB_SCREEN says otherwise. Xvfb
# picks a free display itself and tells it once it takes clients; xvfb-run -a
# guesses one, and two servers started at once may take the same. The
# server keeps what its clients set (such as xrdb's resources) when the
# last one leaves.
on_own_xserver() {
  local dir rc xvfb
  dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do
    [ -s "$dir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$dir/display" ]; then
    echo "Xvfb did not start:"; cat "$dir/xvfb.log"; kill "$xvfb" 2>/dev/null; rm -rf "$dir"; return 1
  fi
  DISPLAY=":$(head -1 "$dir/display")" "$@"
  rc=$?
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
  return $rc
}

# Polls a command until $1 tenths of a second have passed.
wait_for() {
  local deadline=$(($(date +%s%N) + $1 * 100000000))
  shift
  until "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Starts a window manager, logging into wm.log, and waits up to 10 s for it
# to announce itself on the root window; its log is shown when it does not.
wm_announced() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
start_window_manager() {
  "$1" >wm.log 2>&1 &
  wait_for 100 wm_announced || { cat wm.log; return 1; }
}

# A game folder of its own with the build's game, art and catalogs, and state files for
# a windowed game at left 150, top 100 and the 14x14 size.
make_game_folder() {
  local build="$1" game="$2"
  cp "$build/lumora" "$game/"
  cp -r "$build/IMAGE" "$build/WAVE" "$build/locale" "$game/"
  mkdir "$game/DATA"
  printf '100\r\n150\r\n1\r\n' >"$game/DATA/win_state.log"
  printf '2\r\n' >"$game/DATA/select_game.log"
  printf '0\r\n0\r\n0\r\n0\r\n' >"$game/DATA/score.log"
  cp "${BASH_SOURCE[0]}" "$game/common.sh"
}

# The first visible window whose name matches, waited for up to 5 s.
find_window() {
  local w
  for _ in $(seq 50); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.1
  done
  return 1
}

# The title screen the headless game draws from the folder's files, as
# expected.png in the folder; the state files are left as they were.
headless_title() {
  local runner="$1" game="$2"
  printf 'start\nframes 3\nshot %s/expected.png\n' "$game" >"$game/title.txt"
  cp -r "$game/DATA" "$game/DATA.first"
  "$runner" "$game" "$game/title.txt" || { echo "the headless run failed"; return 1; }
  rm -rf "$game/DATA" && mv "$game/DATA.first" "$game/DATA"
}

# Types a key as a keyboard does, once the window has the keyboard focus:
# through the X server's test extension, not as an event sent to the window,
# which the window may be gone for by its release.
key_into() {
  local window="$1" key="$2"
  for _ in $(seq 30); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
    xdotool windowfocus "$window" 2>/dev/null
    sleep 0.1
  done
  xdotool key "$key"
}

# Clicks the dialog's start button (at 100, 255, or at $2 $3 on a scaled
# dialog) until the game window shows, and prints the game window. A click
# that arrives before the dialog takes input is lost.
start_game() {
  local dialog="$1" x="${2:-100}" y="${3:-255}" game
  for _ in 1 2 3; do
    sleep 0.5
    xdotool mousemove --window "$dialog" "$x" "$y" click 1
    game=$(find_window "^Lumora$") && { echo "$game"; return 0; }
  done
  return 1
}
