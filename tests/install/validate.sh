#!/usr/bin/env bash
# What the desktop reads of the game, checked by the tools the desktop trusts:
#   validate.sh desktop FILE    desktop-file-validate, any message fails
#   validate.sh metainfo FILE   appstreamcli validate --no-net
#   validate.sh manual FILE     man -l reads the page without a warning
# Exit 77 tells CTest the tool is missing.
set -u
kind="$1"
file="$2"
. "$(dirname "$0")/../xvfb/common.sh"
case "$kind" in
  desktop)
    need_tools desktop-file-validate
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out"; exit 1; }
    # Hints are printed but do not fail the tool; they fail here.
    [ -z "$out" ] || { echo "$out"; exit 1; }
    # What the menu shows of the game, in both its languages.
    for key in 'Name=' 'Name\[ja\]=' 'Comment=' 'Comment\[ja\]=' 'Keywords=' 'Keywords\[ja\]=' 'Exec=lumora$' \
               'Icon=io\.github\.lumora\.Lumora$' 'Categories=Game;LogicGame;$'; do
      grep -q "^$key" "$file" || { echo "the entry lacks $key"; exit 1; }
    done
    ;;
  metainfo)
    need_tools appstreamcli
    appstreamcli validate --no-net "$file" || exit 1
    # The catalogs give it its Japanese.
    grep -q '<summary xml:lang="ja">' "$file" || { echo "the metainfo has no Japanese summary"; exit 1; }
    ;;
  manual)
    need_tools man
    warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "$warnings"; exit 1; }
    page=$(MANWIDTH=80 man -l "$file" 2>/dev/null)
    echo "$page" | head -3
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS FILES; do
      echo "$page" | grep -q "^$section" || { echo "the page has no $section section"; exit 1; }
    done
    echo "$page" | grep -q -- "--version" || { echo "the page does not tell --version"; exit 1; }
    ;;
  *)
    echo "usage: $0 desktop|metainfo|manual FILE" >&2
    exit 2
    ;;
esac
