#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as Debian builds its own: with Debian's compiler
# and linker flags (hardening included), the game in /usr/games, stripped, and
# reproducibly: every time stamp inside is the date of the latest NEWS entry
# unless SOURCE_DATE_EPOCH names another. Builds the game alone, in build-deb/
# or the folder given, and leaves the .deb there. DEBFULLNAME and DEBEMAIL
# name the packager.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${1:-$root/build-deb}")
# dpkg-buildflags maps the current folder out of the file names compiled in;
# the build folder goes too, and moc includes the headers through the include
# path rather than relative to the build folder, so that a build in another
# place gives the same bytes.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
# CMake reads no CPPFLAGS: they go with the compiler's flags, as debhelper puts
# them. Given on the command line, they also reach a build folder made before.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cxxflags+=" -ffile-prefix-map=$build=."
ldflags=$(dpkg-buildflags --get LDFLAGS)
# Built without ccache, as Debian builds: a cached object can carry the file
# names of the build it came from in its debug information, and with them
# change the build id the stripped program keeps.
export CCACHE_DISABLE=1
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u +%s -d "$(sed -n 's/^ -- .*  //p' NEWS | head -n 1)")}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DCMAKE_AUTOMOC_PATH_PREFIX=ON -DCMAKE_INCLUDE_CURRENT_DIR=ON \
  -DZUNPEKO_BUILD_TESTS=OFF -DZUNPEKO_BUILD_BENCHMARKS=OFF
cmake --build "$build"
cd "$build" && cpack -G DEB
