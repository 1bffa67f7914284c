#!/bin/sh
# Regenerate every expected output (.out) with the reference runner, then run
# the suite once more against it to prove the outputs are reproducible.
#   PSORACLE=/path/to/psoracle   (default /tmp/psoracle/psoracle; build it with
#                                 tools/psoracle/build.sh)
#   regen.sh [CASE...]           only these cases (group/name), default all
# Cases that carry a .expected-ours and no .out (deliberate differences) are
# left alone.
set -eu
HERE=$(cd "$(dirname "$0")" && pwd)
P=${PSORACLE:-/tmp/psoracle/psoracle}
[ -x "$P" ] || { echo "no reference runner at $P (build it with tools/psoracle/build.sh)" >&2; exit 1; }
if [ $# -gt 0 ]; then
  python3 "$HERE/run_case.py" --runner "$P" --update "$@"
  python3 "$HERE/run_case.py" --runner "$P" --oracle --quiet "$@"
else
  python3 "$HERE/run_case.py" --runner "$P" --update --all
  python3 "$HERE/run_case.py" --runner "$P" --oracle --quiet --all
fi
