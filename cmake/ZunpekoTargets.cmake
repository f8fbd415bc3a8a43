# Shared settings for the project's own targets: strict warnings as errors.
# Third-party headers come in as SYSTEM includes through their imported targets,
# so their warnings do not stop our build.

if(ZUNPEKO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

function(zunpeko_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion -Werror)
endfunction()

# zunpeko_add_test(NAME name SOURCES ... LIBS ... [QT_OFFSCREEN] [LABELS ...])
# One GoogleTest executable, its cases registered with CTest one by one.
function(zunpeko_add_test)
  cmake_parse_arguments(T "QT_OFFSCREEN" "NAME" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  zunpeko_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(NOT T_SOURCES MATCHES "main")
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main)
  endif()
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  set(env "ZUNPEKO_SOURCE_DIR=${PROJECT_SOURCE_DIR}" "SDL_AUDIODRIVER=dummy")
  if(T_QT_OFFSCREEN)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  gtest_discover_tests(${T_NAME}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "${env}" LABELS "${T_LABELS}"
    DISCOVERY_TIMEOUT 30)
endfunction()
