# Sourced: Wine with a prefix of its own in PREFIX, made once and shared by
# every check that runs the Windows build.
#   . tests/wine/wine_env.sh PREFIX
export WINEPREFIX=$(realpath -m "$1")
export WINEARCH=win64
# No Mono or Gecko: without this Wine stops to offer their installers.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
# Wine takes its code pages and the user's language from the Unix locale: a
# UTF-8 one, for Japanese file names; WINE_LANG names another, say Japanese.
export LANG=${WINE_LANG:-C.UTF-8}
unset LC_ALL LANGUAGE

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # The registry reaches the disk only once the server has gone.
    wineserver -w
    touch "$WINEPREFIX/.ready"
  fi
) 9>"$WINEPREFIX.lock"
