#!/bin/sh
# Build psoracle against the Pascal Script sources of Debian's lazarus-src-2.2.
# Output goes to /tmp/psoracle (outside the repo). graphics.pas beside it stands in
# for the LCL unit that the compile-time graphics import uses for its constants.
#   PS_SRC=/path/to/PascalScript/Source  override the source location
#   OUT=/some/dir                        override the output folder
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
OUT=${OUT:-/tmp/psoracle}
PS_SRC=${PS_SRC:-/usr/lib/lazarus/2.2.6/components/PascalScript/Source}

if [ ! -f "$PS_SRC/uPSCompiler.pas" ]; then
  echo "Pascal Script sources not found at $PS_SRC" >&2
  echo "install them with:  apt-get install -y lazarus-src-2.2   (needs apt-get update)" >&2
  echo "or unpack a downloaded .deb:  dpkg-deb -x lazarus-src-2.2_*.deb DIR; PS_SRC=DIR/usr/lib/lazarus/2.2.6/components/PascalScript/Source $0" >&2
  exit 1
fi
command -v fpc >/dev/null || { echo "fpc not found (apt-get install -y fpc)" >&2; exit 1; }

mkdir -p "$OUT/units"
# -O2: same optimisation level for the engine units and the runner.
# Engine warnings/notes are noisy and not ours: keep only errors visible.
fpc -Mdelphi -O2 -vew -Fu"$HERE" -Fu"$PS_SRC" -Fi"$PS_SRC" -FU"$OUT/units" \
    -o"$OUT/psoracle" "$HERE/psoracle.pas" > "$OUT/build.log" 2>&1 || {
  grep -E 'Error|Fatal' "$OUT/build.log" >&2 || cat "$OUT/build.log" >&2
  exit 1
}
echo "built $OUT/psoracle"
