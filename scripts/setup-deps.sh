#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests, packages and runs
# with. Idempotent: only what is missing is installed. Pass --optional to add
# the tools used by fuzzing, screenshots, PDF checks, the reference engine and
# the checks of the Debian package (lintian, desktop-file-validate, appstreamcli).
set -euo pipefail

required=(cmake ninja-build g++ pkg-config qt6-base-dev libzip-dev zlib1g-dev libsqlite3-dev zipcmp zipmerge ziptool
          libffi-dev libgtest-dev libgmock-dev libbenchmark-dev ttf-bitstream-vera fonts-dejavu-core
          xvfb xauth zip unzip python3 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n dpkg-dev)
optional=(clang libclang-rt-14-dev imagemagick poppler-utils fpc lazarus-src-2.2
          lintian desktop-file-utils appstream shared-mime-info)

wanted=("${required[@]}")
[[ "${1:-}" == "--optional" ]] && wanted+=("${optional[@]}")

missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[[ $(id -u) -ne 0 ]] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
