#!/usr/bin/env bash
# The installer as a player runs it, silently, under Wine: the game lands in
# their own Programs folder with a Start-menu entry and a line in their list of
# programs; installing again keeps their scores; uninstalling takes the game
# away and leaves the scores.
#   tests/wine/installer_check.sh PREFIX SETUP.EXE GAME-DIR
set -euo pipefail
. "$(dirname "$0")/wine_env.sh" "$1"
setup=$(realpath "$2") game=$(realpath "$3")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumora'

folder_of() { winepath -u "$(wine cmd /c "echo $1" | tr -d '\r')"; }
dir=$(folder_of '%LOCALAPPDATA%')/Programs/Lumora
link=$(folder_of '%APPDATA%')/Microsoft/Windows/Start\ Menu/Programs/Lumora.lnk
registered() { wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# wineserver -w waits for the uninstaller's copy of itself too.
run() { wine "$@" && wineserver -w; }

failed=0
check() {  # what, then a command that must succeed
  local what=$1; shift
  if "$@"; then echo "ok     $what"; else echo "FAILED $what"; failed=$((failed + 1)); fi
}

rm -rf "$dir" "$link"
wine reg delete "$key" /f >/dev/null 2>&1 || true
run "$setup" /S
check "the game is installed in the player's Programs folder" cmp -s "$dir/lumora.exe" "$game/lumora.exe"
check "with its faces" cmp -s "$dir/FONTS/ipag.ttf" "$game/FONTS/ipag.ttf"
check "and its sheets" cmp -s "$dir/IMAGE/Back.dat" "$game/IMAGE/Back.dat"
check "and first-run state files" test "$(cat "$dir/DATA/score.log")" = $'0\r\n0\r\n0\r\n0\r'
check "a Start-menu entry" test -f "$link"
check "listed among the player's programs with its version" test "$(registered DisplayVersion)" = "1.0"
check "with its uninstaller" test -f "$dir/uninstall.exe" -a "$(registered UninstallString)" != ""

printf '5\r\n6\r\n7\r\n8\r\n' >"$dir/DATA/score.log"
run "$setup" /S
check "installing again keeps the scores" test "$(cat "$dir/DATA/score.log")" = $'5\r\n6\r\n7\r\n8\r'

run "$dir/uninstall.exe" /S
check "uninstalling takes the game away" test ! -e "$dir/lumora.exe" -a ! -e "$dir/FONTS" -a ! -e "$dir/uninstall.exe"
check "and its Start-menu entry" test ! -e "$link"
check "and its line in the list of programs" test -z "$(registered DisplayName)"
check "but leaves the scores" test "$(cat "$dir/DATA/score.log")" = $'5\r\n6\r\n7\r\n8\r'
rm -rf "$dir"

echo "$failed failed"
[ "$failed" -eq 0 ]
