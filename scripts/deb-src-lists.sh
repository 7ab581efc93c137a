#!/usr/bin/env bash
# Writes into DIR the machine's own apt sources turned into source lists
# (`deb` into `deb-src`), so that `apt-get source` fetches from the archive,
# mirror or cache this machine is set up for, without touching its apt setup.
#   scripts/deb-src-lists.sh DIR
set -euo pipefail
dir=$1
mkdir -p "$dir"
eval "$(apt-config shell list Dir::Etc::SourceList/f parts Dir::Etc::SourceParts/d)"
n=0
for file in "$list" "${parts%/}"/*.list "${parts%/}"/*.sources; do
  [ -f "$file" ] || continue
  n=$((n + 1))
  case "$file" in
    *.sources) sed -E 's/^Types:.*\<deb\>.*$/Types: deb-src/' "$file" >"$dir/$n.sources" ;;
    *) sed -nE 's/^[[:space:]]*deb(-src)?([[:space:]])/deb-src\2/p' "$file" | sort -u >"$dir/$n.list" ;;
  esac
done
if ! cat "$dir"/* 2>/dev/null | grep -q -E '^(deb-src|Types: deb-src)'; then
  echo "deb-src-lists.sh: this machine's apt sources ($list, $parts) name no archive to fetch sources from" >&2
  exit 1
fi
