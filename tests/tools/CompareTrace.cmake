# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs `blctool trace SCENARIO` and compares it byte for byte with
# EXPECTED_OUT, or, for a malformed scenario, checks status 2 and the
# message in EXPECTED_ERR. Set UPDATE=ON to rewrite EXPECTED_OUT instead.
execute_process(COMMAND ${BLCTOOL} trace ${SCENARIO}
  OUTPUT_VARIABLE actual_out
  ERROR_VARIABLE actual_err
  RESULT_VARIABLE status)

if(EXISTS ${EXPECTED_ERR})
  file(READ ${EXPECTED_ERR} expected_err)
  if(NOT status EQUAL 2)
    message(FATAL_ERROR "expected status 2 for a malformed scenario, got ${status}")
  endif()
  if(NOT actual_err STREQUAL "${SCENARIO}:${expected_err}")
    message(FATAL_ERROR "expected on stderr:\n${SCENARIO}:${expected_err}got:\n${actual_err}")
  endif()
  if(NOT actual_out STREQUAL "")
    message(FATAL_ERROR "a malformed scenario printed a trace:\n${actual_out}")
  endif()
  return()
endif()

if(NOT status EQUAL 0)
  message(FATAL_ERROR "blctool trace exited with ${status}: ${actual_err}")
endif()
if(UPDATE)
  file(WRITE ${EXPECTED_OUT} "${actual_out}")
  return()
endif()
file(READ ${EXPECTED_OUT} expected_out)
if(NOT actual_out STREQUAL expected_out)
  # Kept beside the test run (the build folder), never in the sources.
  get_filename_component(name ${SCENARIO} NAME_WE)
  set(actual_file ${CMAKE_CURRENT_BINARY_DIR}/trace-${name}.actual)
  file(WRITE ${actual_file} "${actual_out}")
  message(FATAL_ERROR "trace differs from ${EXPECTED_OUT}; the actual output is in ${actual_file}")
endif()
