# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Scenario tests of `blctool trace`: every tests/tools/scenarios/NAME.scn
# runs through the tool; NAME.out holds the exact expected standard output,
# or NAME.err the expected "LINE: message" of a malformed scenario (which
# must also exit with status 2).
file(GLOB TRACE_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/tools/scenarios/*.scn)
foreach(scenario ${TRACE_SCENARIOS})
  get_filename_component(name ${scenario} NAME_WE)
  get_filename_component(folder ${scenario} DIRECTORY)
  add_test(NAME trace.${name}
    COMMAND ${CMAKE_COMMAND}
      -DBLCTOOL=$<TARGET_FILE:blctool>
      -DSCENARIO=${scenario}
      -DEXPECTED_OUT=${folder}/${name}.out
      -DEXPECTED_ERR=${folder}/${name}.err
      -P ${CMAKE_SOURCE_DIR}/tests/tools/CompareTrace.cmake)
endforeach()
