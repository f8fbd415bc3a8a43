# Run by `cmake --install` (see cmake/Install.cmake): writes zunpeko.desktop
# for the prefix being installed to and installs it. Expects
# ZUNPEKO_DESKTOP_TEMPLATE, ZUNPEKO_STAGING_DIR, ZUNPEKO_BINDIR,
# ZUNPEKO_SOUND_DIR and ZUNPEKO_APPLICATIONS_DIR, the last three relative to
# the prefix or absolute.

function(zunpeko_installed_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

zunpeko_installed_path(launcher "${ZUNPEKO_BINDIR}/zunpeko")
zunpeko_installed_path(ZUNPEKO_SOUND_DIR "${ZUNPEKO_SOUND_DIR}")
zunpeko_installed_path(applications "${ZUNPEKO_APPLICATIONS_DIR}")

# Exec takes a quoted argument when the path holds a space; Path is a plain value.
if(launcher MATCHES "[ \t]")
  set(ZUNPEKO_LAUNCHER "\"${launcher}\"")
else()
  set(ZUNPEKO_LAUNCHER "${launcher}")
endif()

# Each install writes its own copy: a staged install and a package build may
# run at the same time from the same build folder.
string(RANDOM LENGTH 12 unique)
set(staged "${ZUNPEKO_STAGING_DIR}/desktop-${unique}/zunpeko.desktop")
configure_file("${ZUNPEKO_DESKTOP_TEMPLATE}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${staged}")
file(REMOVE_RECURSE "${ZUNPEKO_STAGING_DIR}/desktop-${unique}")
