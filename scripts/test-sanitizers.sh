#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the whole program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (the "asan" preset, in build-asan/) and runs every
# test there. Any report from either sanitizer fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
cd "$root"
cmake --preset asan
cmake --build --preset asan --parallel "${ZUNPEKO_JOBS:-2}"
ctest --preset asan
