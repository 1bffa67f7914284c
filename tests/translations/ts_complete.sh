#!/usr/bin/env bash
# Usage: ts_complete.sh LUPDATE SOURCE_DIR
# lupdate, run over the sources into a copy of each .ts file, finds no text
# without a translation and changes nothing.
set -euo pipefail
lupdate=$1 source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$source_dir"/translations/*.ts; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  (cd "$source_dir" && "$lupdate" -no-obsolete -locations none app/window grid editing/GridCommandTable.cpp editing/ChannelListNames.cpp -ts "$work/$name" >/dev/null)
  if grep -q 'type="unfinished"' "$work/$name"; then
    echo "$name: texts without a translation:" >&2
    grep -A1 '<source>' "$work/$name" | grep -B1 'type="unfinished"' | grep '<source>' >&2
    status=1
  elif ! cmp -s "$ts" "$work/$name"; then
    echo "$name differs from the texts of the sources (cmake --build build --target update_translations):" >&2
    diff "$ts" "$work/$name" | head -20 >&2
    status=1
  fi
done
exit $status
