#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build/fuzz and runs each for
# SECONDS (first argument, default 60), seeded from fuzz/corpus/<target>.
# With FUZZ_RUNS=N in the environment each runs N inputs instead (SECONDS is
# then ignored), e.g. FUZZ_RUNS=10000000 nice -n 19 scripts/fuzz.sh 0.
# FUZZ_FLAGS adds libFuzzer flags (long compile runs: FUZZ_FLAGS=-max_len=4096).
# Temporary files go to /dev/shm where there is one: the archive target
# writes and renames files for every input.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
only=${2:-}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTARNO_BUILD_FUZZ=ON \
      -DTARNO_BUILD_TESTS=OFF -DTARNO_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target fuzzers -j"$(nproc)"

[[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
read -r -a extra <<< "${FUZZ_FLAGS:-}"

for bin in build/fuzz/fuzz/fuzz_*; do
  name=$(basename "$bin")
  [[ -n "$only" && "$name" != "$only" ]] && continue
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  seeds=()
  [[ -d fuzz/corpus/$name ]] && seeds+=(fuzz/corpus/$name)
  # Inputs the project already keeps elsewhere seed the targets that parse them.
  target_flags=() target_env=()
  case $name in
    fuzz_layout) seeds+=(data) ;;
    # Arbitrary code can store an array into its own element; reference counts
    # cannot free such a cycle, so what that module built stays until exit.
    # Compiled scripts cannot build one (fuzz_engine_compile keeps leak checks).
    fuzz_engine_load) target_flags=(-detect_leaks=0) target_env=(ASAN_OPTIONS=detect_leaks=0) ;;
    fuzz_archive) [[ -d ../shared/samples/scm ]] && seeds+=(../shared/samples/scm) ;;
    fuzz_zip_stamps) for folder in ../shared/samples/scm ../shared/samples/zip; do
        [[ -d $folder ]] && seeds+=("$folder"); done ;;
    # The channel databases inside the .zip samples; the satellite list (300 KB)
    # is cut, the smaller ones stay whole and keep the runs quick.
    fuzz_database) target_flags=(-max_len=65536)
      if [[ -d ../shared/samples/zip ]]; then
        mkdir -p build/fuzz/seeds/$name
        for zip in ../shared/samples/zip/*.zip; do unzip -qq -o "$zip" -d build/fuzz/seeds/$name/"$(basename "$zip" .zip)"; done
        find build/fuzz/seeds/$name -name metadata.xml -delete
        for folder in build/fuzz/seeds/$name/*/; do seeds+=("$folder"); done
      fi ;;
    fuzz_engine_compile) seeds+=(tests/engine/conformance)
      [[ -d ../shared/tools/psoracle/samples ]] && seeds+=(../shared/tools/psoracle/samples) ;;
  esac
  echo "fuzz: $name for ${FUZZ_RUNS:+$FUZZ_RUNS runs}${FUZZ_RUNS:-${seconds}s}"
  # -timeout: an input running longer than that is a finding (a hang), not a stall.
  if [[ -n "${FUZZ_RUNS:-}" ]]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$seconds"); fi
  env "${target_env[@]}" "$bin" "${limit[@]}" "${extra[@]}" "${target_flags[@]}" -timeout=25 -print_final_stats=1 -artifact_prefix=build/fuzz/ \
         "$work" "${seeds[@]}" 2>build/fuzz/$name.log || { tail -40 build/fuzz/$name.log; exit 1; }
  grep -E 'stat::number_of_executed_units' build/fuzz/$name.log || true
done
