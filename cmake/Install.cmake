# SPDX-License-Identifier: GPL-3.0-or-later
# Where `cmake --install` and the .deb put the game.
#
#   bin/zunpeko                    launcher: changes into the sound folder, runs the game
#                                  (games/zunpeko in the Debian package: CMAKE_INSTALL_BINDIR=games)
#   libexec/zunpeko/zunpeko        the program itself
#   libexec/zunpeko/d3l.mp3        link to the music: the game also opens it beside itself
#   share/zunpeko/                 d3l.mp3, doa.wav, Smash.wav
#   share/applications/zunpeko.desktop
#   share/metainfo/io.github.zunpeko.zunpeko.metainfo.xml
#   share/doc/zunpeko/copyright    the licences, in Debian's machine-readable form
#   share/doc/zunpeko/changelog.gz NEWS, signed by whoever builds it
#   share/man/man6/zunpeko.6.gz    the manual page
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
# A stripped install (the package's) also drops the compiler's notes, as
# Debian's dh_strip does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZUNPEKO_PROGRAM_DIR}/zunpeko\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
")

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

# The project has no public address yet, so whoever builds the package signs
# it and its changelog, named as Debian's own tools name them: DEBFULLNAME and
# DEBEMAIL, else the login on this host.
execute_process(COMMAND id -un OUTPUT_VARIABLE login OUTPUT_STRIP_TRAILING_WHITESPACE)
cmake_host_system_information(RESULT host QUERY FQDN)
set(packager_name ${login})
set(packager_address ${login}@${host})
if(DEFINED ENV{DEBFULLNAME})
  set(packager_name $ENV{DEBFULLNAME})
endif()
if(DEFINED ENV{DEBEMAIL})
  set(packager_address $ENV{DEBEMAIL})
endif()
set(ZUNPEKO_PACKAGER "${packager_name} <${packager_address}>" CACHE STRING
    "Who signs the package and its changelog (default: DEBFULLNAME <DEBEMAIL>)")

# NEWS is a Debian changelog whose entries name their authors without an
# address; the build signs each with the packager.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/NEWS)
file(READ ${PROJECT_SOURCE_DIR}/NEWS news)
string(REGEX REPLACE "\n -- [^\n]*  " "\n -- ${ZUNPEKO_PACKAGER}  " changelog "${news}")
set(doc_dir ${PROJECT_BINARY_DIR}/packaging)
file(WRITE ${doc_dir}/changelog "${changelog}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/zunpeko.6 ${doc_dir}/zunpeko.6 COPYONLY)

# Compressed as Debian compresses them: at most, with no name or time inside.
find_program(ZUNPEKO_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${doc_dir}/changelog.gz ${doc_dir}/zunpeko.6.gz
  COMMAND ${ZUNPEKO_GZIP} -9 --no-name --keep --force ${doc_dir}/changelog ${doc_dir}/zunpeko.6
  DEPENDS ${doc_dir}/changelog ${doc_dir}/zunpeko.6
  VERBATIM)
add_custom_target(zunpeko_docs ALL DEPENDS ${doc_dir}/changelog.gz ${doc_dir}/zunpeko.6.gz)
install(FILES ${doc_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zunpeko)
install(FILES ${doc_dir}/zunpeko.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

# The sprite tool draws the icon theme tree at build time (target zunpeko_icons).
if(DEFINED ZUNPEKO_ICON_DIR)
  install(DIRECTORY ${ZUNPEKO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

include(${PROJECT_SOURCE_DIR}/packaging/Package.cmake)
