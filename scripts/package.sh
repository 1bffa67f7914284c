#!/usr/bin/env bash
# Builds the Debian package build/tarnochanneledit_VERSION_ARCH.deb from the
# programs of the build folder (configured first when it is new) and prints
# its path. --lintian also checks the package with lintian (installed with
# scripts/setup-deps.sh --optional); an error fails the script.
# BUILD_DIR names another build folder than build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}

scripts/setup-deps.sh
[[ -f "$build/CMakeCache.txt" ]] || cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target TarnoChannelEdit tarno-cli pscript-run TarnoChannelEdit_lrelease \
  tarno_package_files >/dev/null
rm -f "$build"/tarnochanneledit_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tarnochanneledit_*.deb)

if [[ "${1:-}" == "--lintian" ]]; then
  lintian --fail-on error --display-level ">=info" "$deb" >&2
fi
echo "$deb"
