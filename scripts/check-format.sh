#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fails when a C++ file of ours differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'bench/*.cpp' |
    xargs -0 -r clang-format --dry-run --Werror
