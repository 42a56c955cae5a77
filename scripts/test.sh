#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up (packages, configure, build), then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"
