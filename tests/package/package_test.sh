#!/usr/bin/env bash
# Usage: package_test.sh SOURCE_DIR BUILD_DIR SAMPLES_DIR
set -euo pipefail
source_dir=$1 build_dir=$2 samples=$3

work=$(mktemp -d)
editor_pid=
cleanup() {
  [[ -n "$editor_pid" ]] && kill "$editor_pid" 2>/dev/null && wait "$editor_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

deb=$(BUILD_DIR="$build_dir" "$source_dir/scripts/package.sh" | tail -n 1)
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[[ "$(basename "$deb")" == "tarnochanneledit_${version}_${arch}.deb" ]] || fail "package name $(basename "$deb")"
# dpkg-shlibdeps found the libraries the programs link.
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends: $(dpkg-deb -f "$deb" Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share/tarnochanneledit
id=org.tarnochanneledit.TarnoChannelEdit
for file in usr/bin/TarnoChannelEdit usr/bin/tarno-cli usr/bin/pscript-run \
            usr/share/tarnochanneledit/TarnoChannelEdit.ini usr/share/tarnochanneledit/TarnoChannelEdit.rops \
            usr/share/tarnochanneledit/layouts/TarnoChannelEdit-1101.ini \
            usr/share/tarnochanneledit/translations/TarnoChannelEdit_de.qm \
            usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
            usr/share/mime/packages/$id.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/man/man1/TarnoChannelEdit.1.gz usr/share/man/man1/tarno-cli.1.gz \
            usr/share/doc/tarnochanneledit/copyright usr/share/doc/tarnochanneledit/changelog.gz; do
  [[ -f "$root/$file" ]] || fail "$file is not in the package"
done
# The font is the one of its own package, linked.
[[ "$(readlink "$share/VeraMono.ttf")" == ../fonts/truetype/ttf-bitstream-vera/VeraMono.ttf ]] ||
  fail "VeraMono.ttf is no link to the font package's file"

# A new user: a home of his own, no display.
export HOME=$work/home QT_QPA_PLATFORM=offscreen
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
user=$HOME/.local/share/TarnoChannelEdit

# tarno-cli finds the presets among the shipped files.
"$root/usr/bin/tarno-cli" demo-archive "$work/demo.scm" >/dev/null
"$root/usr/bin/tarno-cli" detect "$samples/channel_list_UE46D8000_1101.scm" 2>/dev/null |
  grep -q 'TarnoChannelEdit-1101.ini$' || fail "tarno-cli detect found no preset"
"$root/usr/bin/TarnoChannelEdit" --version | grep -qx "TarnoChannelEdit $version" || fail "TarnoChannelEdit --version"

wait_for() {
  for _ in $(seq 300); do
    [[ -e "$1" ]] && return 0
    sleep 0.1
  done
  fail "$1 did not appear"
}
start_editor() {
  "$root/usr/bin/TarnoChannelEdit" "$@" >"$work/editor.out" 2>&1 &
  editor_pid=$!
}
stop_editor() {
  kill "$editor_pid"
  wait "$editor_pid" 2>/dev/null || true
  editor_pid=
}

# The first start copies the settings, the script and the presets.
start_editor
wait_for "$user/layouts/TarnoChannelEdit-B2009.ini"
stop_editor
for file in TarnoChannelEdit.ini TarnoChannelEdit.rops layouts/TarnoChannelEdit-1101.ini; do
  cmp -s "$share/$file" "$user/$file" || fail "$file was not copied into $user"
  [[ -w "$user/$file" ]] || fail "the copy of $file cannot be written"
done

# A later start copies what is missing and keeps the user's own copies.
echo "; my own change" >>"$user/TarnoChannelEdit.ini"
rm "$user/layouts/TarnoChannelEdit-1001.ini"
start_editor
wait_for "$user/layouts/TarnoChannelEdit-1001.ini"
stop_editor
grep -q "; my own change" "$user/TarnoChannelEdit.ini" || fail "a later start overwrote the user's settings"

# An archive given on the command line is extracted into the user's folder.
start_editor "$work/demo.scm"
wait_for "$user/Extracted/map-CableD"
stop_editor

# The desktop files, as the desktop's own tools read them.
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "appstreamcli validate"
fi
if command -v update-mime-database >/dev/null; then
  mkdir -p "$work/mime/packages"
  cp "$root/usr/share/mime/packages/$id.xml" "$work/mime/packages/"
  update-mime-database "$work/mime" 2>/dev/null
  grep -q 'application/x-samsung-scm:\*\.scm' "$work/mime/globs2" || fail "the MIME type of .scm archives"
fi
