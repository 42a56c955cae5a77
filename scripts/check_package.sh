#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a configured build folder and unpacks it into a temporary root (it is
# never installed on this machine); installs with `cmake --install` into a temporary prefix. In both
# trees: the expected files are there, the desktop entry and the metainfo pass their validators, and
# the program started from there (scripts/check_start.py under Xvfb) reads its fonts from the tree's
# data folder and saves its settings under a fresh HOME.
# Usage: scripts/check_package.sh [BUILD_DIR]   (default build-release; run scripts/setup.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
id=io.github.sorvane.Sorvane
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check_tree() {
    local prefix=$1 file
    for file in bin/sorvane share/sorvane/pass.ttf share/applications/$id.desktop \
                share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml \
                share/man/man1/sorvane.1 share/doc/sorvane/LICENSE bin/sorvane-cli \
                libexec/sorvane/sorvane-cli-clipboard libexec/sorvane/sorvane-cli-x11-clipboard; do
        [ -f "$prefix/$file" ] || { echo "check_package: $file is missing under $prefix" >&2; exit 1; }
    done
    desktop-file-validate "$prefix/share/applications/$id.desktop"
    local report
    report=$(appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml") ||
        { echo "$report" >&2; exit 1; }
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
        /usr/bin/python3 scripts/check_start.py "$prefix/bin/sorvane" "$prefix/share/sorvane"
}

cmake --build "$build" >/dev/null
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null)
deb=$(echo "$work"/deb/sorvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "check_package: $(basename "$deb"), Depends: $depends"
case "$depends" in
    *libqt6widgets6*) ;;
    *) echo "check_package: the package does not depend on Qt's widgets library" >&2; exit 1 ;;
esac
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr"

cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix"
echo "check_package: the package and the installed tree pass"
