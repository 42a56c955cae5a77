#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (through sudo when not root), configures and builds.
# Environment: BUILD_DIR (default build), BUILD_TYPE (default RelWithDebInfo), SORVANE_SANITIZE=1 for
# an ASan+UBSan build, SORVANE_BENCH=0 to leave the benchmarks out, CXX=clang++ to build with clang.
# Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libfontconfig-dev libxcb1-dev python3-fonttools python3-xlib fonts-liberation2 fonts-dejavu-core fonts-wine libc-l10n
          qt6-translations-l10n xvfb xauth strace desktop-file-utils appstream xclip)
[[ "${CXX:-}" == clang* ]] && packages+=(clang)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${BUILD_DIR:-build}
sanitize=OFF
bench=ON
[ "${SORVANE_BENCH:-1}" = 1 ] || bench=OFF
if [ "${SORVANE_SANITIZE:-0}" = 1 ]; then
    sanitize=ON
    bench=OFF
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" -DSORVANE_WERROR=ON \
    -DSORVANE_SANITIZE=$sanitize -DSORVANE_BUILD_BENCH=$bench >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
