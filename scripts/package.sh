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
# the build folder goes too, so a build in another place gives the same bytes
# (moc names the headers relative to the build folder: keep it as deep in the
# tree).
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
# CMake reads no CPPFLAGS: they go with the compiler's flags, as debhelper puts
# them. Given on the command line, they also reach a build folder made before.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cxxflags+=" -ffile-prefix-map=$build=."
ldflags=$(dpkg-buildflags --get LDFLAGS)
# ccache's base folder would hand the compiler relative paths, which no map catches.
unset CCACHE_BASEDIR
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u +%s -d "$(sed -n 's/^ -- .*  //p' NEWS | head -n 1)")}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DZUNPEKO_BUILD_TESTS=OFF -DZUNPEKO_BUILD_BENCHMARKS=OFF
cmake --build "$build"
cd "$build" && cpack -G DEB
