#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite through CTest.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/setup.sh"
"$here/build.sh"
ctest --test-dir "${BUILD_DIR:-$here/../build}" --output-on-failure -j2
