#!/bin/sh
# Build the reference runner into OUT_DIR and check that it reproduces every
# stored .out file (catches stale expectations).  Used by the CTest test
# conformance.oracle_agrees.
#   oracle_check.sh BUILD_SH PS_SRC OUT_DIR
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
BUILD_SH=$1; PS_SRC=$2; OUT_DIR=$3
OUT="$OUT_DIR" PS_SRC="$PS_SRC" sh "$BUILD_SH"
exec python3 "$HERE/run_case.py" --runner "$OUT_DIR/psoracle" --oracle --quiet --all
