# SPDX-License-Identifier: GPL-3.0-or-later
# Runs zunpeko-sim with bad arguments and expects exit code 2, a one-line
# message on standard error and nothing on standard output.
# Usage: cmake -DSIM=<path of zunpeko-sim> -P ExpectUsageError.cmake
# One case per entry, its arguments separated by commas.
set(cases
  "--seed,4294967296"
  "--seed,12a"
  "--seed"
  "--seed,1,--games,0"
  "--seed,1,--press,1:2"
  "--seed,1,--colour,red"
  "--games,2")
foreach(case IN LISTS cases)
  string(REPLACE "," " " shown "${case}")
  string(REPLACE "," ";" args "${case}")
  execute_process(COMMAND "${SIM}" ${args}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${shown}' exited with ${rc}, not 2")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "'${shown}' wrote to standard output: ${out}")
  endif()
  string(STRIP "${err}" message)
  if(message STREQUAL "" OR message MATCHES "\n")
    message(FATAL_ERROR "'${shown}' did not write one line to standard error: ${err}")
  endif()
endforeach()
