#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up (packages, configure, build), then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
exec "./${BUILD_DIR:-build}/src/app/sorvane"
