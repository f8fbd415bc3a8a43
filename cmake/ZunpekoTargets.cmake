# SPDX-License-Identifier: GPL-3.0-or-later
# Shared settings for the project's own targets: strict warnings as errors.
# Third-party headers come in as SYSTEM includes through their imported targets,
# so their warnings do not stop our build.

if(ZUNPEKO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build instruments everything for coverage as well, so libFuzzer can
# steer its inputs through our parsers; only clang has libFuzzer.
if(ZUNPEKO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZUNPEKO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zunpeko_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
  # GCC 12 at -O3 reports a false -Wrestrict inside std::string's operator+
  # (GCC bug 105329); a Release build would otherwise stop on it.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  # Under the sanitizers' instrumentation GCC's flow analysis reports
  # maybe-uninitialized inside the standard library (std::regex's
  # std::function) where nothing is; the ordinary build keeps the warning.
  if(ZUNPEKO_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
  endif()
endfunction()

# zunpeko_add_test(NAME name SOURCES ... LIBS ... [QT_APP] [LABELS ...])
# One GoogleTest executable, its cases registered with CTest one by one. With
# QT_APP its main is the shared one in tests/support: a QApplication on the
# offscreen platform, SDL's silent audio driver and a hi-score store of the
# run's own. CTest lists the cases by running the program without the test's
# environment, so that main picks the offscreen platform itself when none is set.
function(zunpeko_add_test)
  cmake_parse_arguments(T "QT_APP" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  zunpeko_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_QT_APP)
    target_link_libraries(${T_NAME} PRIVATE zunpeko_test_main)
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # gtest_discover_tests flattens a list-valued property into separate words, so
  # each property carries exactly one variable: the source folder in ENVIRONMENT,
  # the offscreen platform in ENVIRONMENT_MODIFICATION. The audio driver needs no
  # setting: without a sound device the players fall back to a silent one.
  set(props ENVIRONMENT "ZUNPEKO_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  if(T_QT_APP)
    list(APPEND props ENVIRONMENT_MODIFICATION "QT_QPA_PLATFORM=set:offscreen")
  endif()
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ${props}
    DISCOVERY_TIMEOUT 30)
endfunction()
