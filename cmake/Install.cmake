# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` and the .deb put the game.
#
#   bin/zunpeko                    launcher: changes into the sound folder, runs the game
#   libexec/zunpeko/zunpeko        the program itself
#   libexec/zunpeko/d3l.mp3        link to the music: the game also opens it beside itself
#   share/zunpeko/                 d3l.mp3, doa.wav, Smash.wav
#   share/applications/zunpeko.desktop
#   share/metainfo/io.github.zunpeko.zunpeko.metainfo.xml
#   share/doc/zunpeko/copyright    the licences, in Debian's machine-readable form
#   share/icons/hicolor/<N>x<N>/apps/zunpeko.png, scalable/apps/zunpeko.svg
#
# The game opens its sounds by bare name in the current directory, so whatever
# starts it has to start it there: the launcher does so, for a shell and for the
# desktop entry, which runs it by name from the PATH.

set(ZUNPEKO_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/zunpeko)
set(ZUNPEKO_SOUND_DIR ${CMAKE_INSTALL_DATADIR}/zunpeko)
set(ZUNPEKO_SOUND_FILES d3l.mp3 doa.wav Smash.wav)
set(ZUNPEKO_MUSIC_FILE d3l.mp3)

# Every library the program uses comes from the system: it needs no run path
# (qt_standard_project_setup would give it $ORIGIN ones).
set_target_properties(zunpeko PROPERTIES INSTALL_RPATH "")
install(TARGETS zunpeko RUNTIME DESTINATION ${ZUNPEKO_PROGRAM_DIR})

list(TRANSFORM ZUNPEKO_SOUND_FILES PREPEND ${PROJECT_SOURCE_DIR}/assets/sounds/
     OUTPUT_VARIABLE sound_sources)
install(FILES ${sound_sources} DESTINATION ${ZUNPEKO_SOUND_DIR})

# The link is relative, so it holds in a staged install and in the package.
file(RELATIVE_PATH program_to_music ${CMAKE_INSTALL_FULL_LIBEXECDIR}/zunpeko
     ${CMAKE_INSTALL_FULL_DATADIR}/zunpeko/${ZUNPEKO_MUSIC_FILE})
install(CODE "
  set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZUNPEKO_PROGRAM_DIR}/${ZUNPEKO_MUSIC_FILE}\")
  message(STATUS \"Installing: \${link} -> ${program_to_music}\")
  file(CREATE_LINK \"${program_to_music}\" \"\${link}\" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${CMAKE_INSTALL_PREFIX}/${ZUNPEKO_PROGRAM_DIR}/${ZUNPEKO_MUSIC_FILE}\")
")

file(RELATIVE_PATH ZUNPEKO_LAUNCHER_TO_SOUNDS ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/zunpeko)
file(RELATIVE_PATH ZUNPEKO_LAUNCHER_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/zunpeko/zunpeko)
configure_file(${PROJECT_SOURCE_DIR}/packaging/zunpeko.in ${PROJECT_BINARY_DIR}/packaging/zunpeko
               @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/zunpeko DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/zunpeko.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.zunpeko.zunpeko.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Where Debian looks for a package's licences; a plain install keeps it too.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zunpeko)

# The sprite tool draws the icon theme tree at build time (target zunpeko_icons).
if(DEFINED ZUNPEKO_ICON_DIR)
  install(DIRECTORY ${ZUNPEKO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/Package.cmake)
