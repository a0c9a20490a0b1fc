# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A stage set built from its readable source by blctool, so the binary file
# never lives in the tree, with guards for whoever edits it: the game opens it
# without a designer warning, and the headless player clears every stage at
# speed 1 (within max_ticks ticks a stage, when given).
function(zembro_stage_set source file test_prefix)
  get_filename_component(name ${file} NAME)
  get_filename_component(folder ${file} DIRECTORY)
  add_custom_command(
    OUTPUT ${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND blctool build ${source} -o ${file}
    DEPENDS blctool ${source}
    COMMENT "Building the stage set ${name}"
    VERBATIM)
  add_test(NAME ${test_prefix}_check COMMAND blctool check ${file})
  set_tests_properties(${test_prefix}_check PROPERTIES FAIL_REGULAR_EXPRESSION "warning:")
  set(limit)
  if(ARGC GREATER 3)
    set(limit --max-ticks ${ARGV3})
  endif()
  add_test(NAME ${test_prefix}_playtest COMMAND blctool playtest ${file} --speed 1 ${limit})
endfunction()

# The default stage set SYSTEM.BLC, beside the program.
set(SYSTEM_STAGES_FILE ${CMAKE_BINARY_DIR}/bin/SYSTEM.BLC)
zembro_stage_set(${CMAKE_SOURCE_DIR}/resources/stages/SYSTEM.txt ${SYSTEM_STAGES_FILE} system_stages)
add_custom_target(system_stages ALL DEPENDS ${SYSTEM_STAGES_FILE})
set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${SYSTEM_STAGES_FILE})

include(${CMAKE_CURRENT_LIST_DIR}/stages/stage_sets.cmake)
