#!/usr/bin/env bash
# Makes the pot afresh from the code and compares it with the committed one,
# leaving aside the date it was made.
set -eu
cmake="$1" build="$2" committed="$3" fresh="$4"
"$cmake" --build "$build" --target fresh_pot >/dev/null
strip() { grep -v '^"POT-Creation-Date:' "$1"; }
if ! diff <(strip "$committed") <(strip "$fresh"); then
  echo "po/lumora.pot is out of date: run cmake --build build --target pot and translate what is new"
  exit 1
fi
