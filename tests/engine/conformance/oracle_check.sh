#!/bin/sh
# Build the reference runner into OUT_DIR and check that it reproduces every
# stored .out file (catches stale expectations).  Used by the CTest test
# conformance.oracle_agrees.
#   oracle_check.sh BUILD_SH PS_SRC OUT_DIR
# A runner without the user-interface units (the shared copy, which has no
# graphics.pas beside it) checks every case but those run with -u or in
# declarations mode.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD_SH=$1; PS_SRC=$2; OUT_DIR=$3
OUT="$OUT_DIR" PS_SRC="$PS_SRC" sh "$BUILD_SH"
if [ -f "$(dirname "$BUILD_SH")/graphics.pas" ]; then
  exec python3 "$HERE/run_case.py" --runner "$OUT_DIR/psoracle" --oracle --quiet --all
fi
cases=$(cd "$HERE" && for p in */*.pas; do
  c=${p%.pas}
  if [ -f "$c.args" ] && grep -Eq -- '(^| )-u( |$)|declarations' "$c.args"; then continue; fi
  echo "$c"
done)
# shellcheck disable=SC2086
exec python3 "$HERE/run_case.py" --runner "$OUT_DIR/psoracle" --oracle --quiet $cases
