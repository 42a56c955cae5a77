#!/usr/bin/env bash
# Installs the Debian packages the build needs (through sudo when not root), configures and builds.
# Environment: BUILD_DIR (default build), SORVANE_SANITIZE=1 for an ASan+UBSan build.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev python3-fonttools python3-xlib fonts-liberation2 fonts-dejavu-core xvfb xauth xclip)
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
if [ "${SORVANE_SANITIZE:-0}" = 1 ]; then
    sanitize=ON
    bench=OFF
fi
cmake -S . -B "$build_dir" -G Ninja -DSORVANE_SANITIZE=$sanitize -DSORVANE_BUILD_BENCH=$bench >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
