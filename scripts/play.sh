#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the game from the folder that
# holds it and its sound files.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/setup.sh"
"$here/build.sh"
cd "${BUILD_DIR:-$here/../build}/bin"
exec ./zunpeko
