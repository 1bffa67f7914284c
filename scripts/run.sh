#!/usr/bin/env bash
# Sets up, builds and starts the editor with the default settings and script
# beside it (build/bin). Arguments are passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j"$(nproc)"

if [[ -x build/bin/TarnoChannelEdit ]]; then
  exec build/bin/TarnoChannelEdit "$@"
fi
exec build/bin/tarno-cli "${@:---help}"
