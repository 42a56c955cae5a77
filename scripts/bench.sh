#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up (packages, configure, build), then runs every benchmark and prints one table.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
/usr/bin/python3 bench/run_all.py "${BUILD_DIR:-build}"
