#!/usr/bin/env bash
# Sets up, builds and runs every test: unit and integration tests under CTest,
# then (when clang is present) a short run of every fuzz target.
# FUZZ_SECONDS sets how long each fuzz target runs (default 10; 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh --optional
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cmake -S . -B build -G Ninja -DTARNO_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"

if command -v clang++ >/dev/null && [[ "${FUZZ_SECONDS:-10}" != 0 ]]; then
  scripts/fuzz.sh "${FUZZ_SECONDS:-10}"
fi

ctest --test-dir build --output-on-failure -j"$(nproc)"
