#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang, libFuzzer, ASan+UBSan) and runs each for SECONDS seconds, starting
# from the committed seed corpus (copied, so that the committed one stays as it is).
# Usage: fuzz/run.sh SECONDS [TARGET...]   Targets: depassway deaddrnd settings read_key_line codepage
#        ini_integer utf8 path_names
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(depassway deaddrnd settings read_key_line codepage ini_integer utf8 path_names)

missing=()
for p in clang libclang-rt-14-dev cmake ninja-build; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${FUZZ_BUILD_DIR:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORVANE_FUZZ=ON \
    -DSORVANE_BUILD_UI=OFF -DSORVANE_BUILD_BENCH=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
findings="$PWD/fuzz-findings"
mkdir -p "$findings"
for target in "${targets[@]}"; do
    mkdir -p "$work/$target"
    echo "== $target: ${seconds}s"
    # The settings target is given room for large (damaged) files.
    max_len=()
    [ "$target" = settings ] && max_len=(-max_len=1100000)
    (cd "$work" && "$OLDPWD/$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -print_final_stats=1 "${max_len[@]}" \
        -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$findings/$target-" "$work/$target" "$OLDPWD/fuzz/corpus/$target" 2>&1 |
        grep -E 'stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Done [0-9]+ runs|crash-|leak-|timeout-')
done
echo "fuzzing: every target ran without a finding"
