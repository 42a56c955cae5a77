#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the C++ sources under src/, tests/, bench/ and fuzz/ follow .clang-format; changes
# nothing. To reformat instead: the same file list to `clang-format -i`.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check_format: clang-format is missing (Debian: clang-format)" >&2; exit 1; }
find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format --dry-run -Werror
echo "check_format: every source follows .clang-format"
