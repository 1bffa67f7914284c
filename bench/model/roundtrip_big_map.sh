#!/usr/bin/env bash
# A 65,535-record map-CableD through the default settings and script, as
# tarno-cli roundtrip takes it: wall and processor time, peak memory, and
# whether the written file equals the read one. The file is made in a
# temporary folder from the 1000 records of a sample archive, repeated. Then
# the window's load of the same file (bench_window_load), where it is built.
# Usage: bench/model/roundtrip_big_map.sh [BUILD_DIR] [REPEATS]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
repeats=${2:-3}
records=65535
sample=../shared/samples/scm/channel_list_UE46F7000_1201.scm
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in"
unzip -p "$sample" map-CableD > "$work/one"
record_size=320
copies=$(( (records + 999) / 1000 ))
for _ in $(seq "$copies"); do cat "$work/one"; done > "$work/in/map-CableD"
truncate -s $((records * record_size)) "$work/in/map-CableD"
for _ in $(seq "$repeats"); do
  /usr/bin/time -f "wall %e s  processor %U s user + %S s system  peak %M KB" \
    "$build/bin/tarno-cli" roundtrip --ini "$build/bin/TarnoChannelEdit.ini" --script "$build/bin/TarnoChannelEdit.rops" \
    "$work/in/map-CableD" "$work/out" > /dev/null
  cmp -s "$work/in/map-CableD" "$work/out" && echo "  written file equals the read one" || echo "  written file DIFFERS"
done
if [[ -x $build/bin/bench_window_load ]]; then
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/bin/bench_window_load" "$work/in/map-CableD" "$build/bin" 2>/dev/null
fi
