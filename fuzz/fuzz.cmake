# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzing as part of the tests: where clang is installed, the fuzz targets
# are built in a clang build of their own (fuzz/CMakeLists.txt) and each one
# runs for a few seconds on its seed corpus. scripts/fuzz.sh runs them for
# as long as asked.
find_program(ZEMBRO_CLANGXX clang++)
if(NOT ZEMBRO_CLANGXX)
  message(STATUS "clang++ not found: the fuzz tests are left out")
  return()
endif()

set(ZEMBRO_FUZZ_SECONDS 3 CACHE STRING "Seconds each fuzz target runs under CTest")
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
add_test(NAME fuzz.build
  COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh -b ${fuzz_build} -r 0)
set_tests_properties(fuzz.build PROPERTIES FIXTURES_SETUP fuzz_targets)
foreach(target pattern_open stage_text trace_scenario wave_clip)
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/fuzz.sh -b ${fuzz_build} -t ${ZEMBRO_FUZZ_SECONDS} ${target})
  # Each run first brings the shared clang build up to date, so two must
  # never run at once (ctest -j).
  set_tests_properties(fuzz.${target} PROPERTIES FIXTURES_REQUIRED fuzz_targets TIMEOUT 600
    RESOURCE_LOCK fuzz_build)
endforeach()
