# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder, after a build;
# scripts/package.sh builds it as Debian builds its own.
set(CPACK_PACKAGE_NAME zunpeko)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zunpeko developers")
# No Homepage: the project has no public address yet.
set(CPACK_PACKAGE_CONTACT "${ZUNPEKO_PACKAGER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "whack-a-mole game with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Twelve holes, moles that rise and sink faster and faster as the time runs
out: hit them with the mouse. Ordinary moles are worth 10 points, yellow moles
30, and white moles buy almost six more seconds. A game lasts about half a
minute after a 3-2-1 countdown; the three best scores are kept for each user.")

set(CPACK_GENERATOR DEB)
# Install into the staging folder through DESTDIR with the real prefix, so the
# install code that makes the music's link sees the prefix the package has.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries come from dpkg-shlibdeps. No tool sees the rest, looked
# up at run time: the two Japanese faces the window's fonts are mapped onto,
# and SDL2 and SDL2_mixer, loaded while the window is built.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, libsdl2-2.0-0 (>= 2.24.0), libsdl2-mixer-2.0-0 (>= 2.6.0)")

# Without it Qt falls back to X11 on a Wayland desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
