#!/usr/bin/env bash
# Script call speed of our engine beside the reference runner, in one run on
# the same machine: the reference runner's bench mode, then engine_bench, then
# the ratios. Like the reference runner's "calls only" figure, ours leaves out
# the reset of the argument array between calls (measured alone). Usage: bench/engine/compare_with_reference.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
samples=../shared/tools/psoracle/samples
oracle=/tmp/psoracle/psoracle
[[ -x $oracle ]] || ../shared/tools/psoracle/build.sh >/dev/null

reference_ns() {  # FILE FUNC N [ARGS...]: ns per call, calls only
  "$oracle" bench "$samples/$1" "${@:2}" | sed -n 's/.*calls only : \([0-9.]*\) ns\/call.*/\1/p'
}
declare -A ref
ref[FreqDataToText]=$(reference_ns fieldconv.pas Freq_DataToText 20000 0 100 0 0 2 N '')
ref[FreqTextToData]=$(reference_ns fieldconv.pas Freq_TextToData 20000 0 0 0 0 2 U '11778;rest')
ref[Nop]=$(reference_ns compute.pas Nop 200000)
ref[ComputeBench]=$(reference_ns compute.pas Bench 10)

"$build/bin/engine_bench" --benchmark_filter='ArgumentReset|FreqDataToText|FreqTextToData|Nop|ComputeBench' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
  awk -F, -v d="${ref[FreqDataToText]}" -v t="${ref[FreqTextToData]}" -v n="${ref[Nop]}" -v b="${ref[ComputeBench]}" '
    /_median"?,/ {
      name = $1; gsub(/"|BM_|_median/, "", name)
      ns = $3; unit = $5; gsub(/"/, "", unit)
      if (unit == "ms") ns *= 1e6; else if (unit == "us") ns *= 1e3
      if (name == "ArgumentReset") { reset = ns; next }
      ns -= reset
      r = name == "FreqDataToText" ? d : name == "FreqTextToData" ? t : name == "Nop" ? n : b
      printf "%-16s ours %12.1f ns  reference %12.1f ns  %6.1fx\n", name, ns, r, r / ns
    }'
