# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Time limits for the headless player at speed 1, in ticks of 50 ms: no
# shipped stage may take more than eight minutes, and SYSTEM.BLC, the set
# every newcomer starts with, opens gently: stage 1 within two minutes,
# stage 2 within three, the whole set within 45 minutes.
set(STAGE_LIMIT_TICKS 9600)
set(SYSTEM_STAGE_LIMIT_TICKS 2400,3600,${STAGE_LIMIT_TICKS})
set(SYSTEM_SET_LIMIT_TICKS 54000)

# A stage set built from its readable source by blctool, so the binary file
# never lives in the tree, with guards for whoever edits it: the game opens it
# without a designer warning, and the headless player clears every stage at
# speed 1 within LIMITS (ticks a stage, a list for stages 1, 2, ... whose last
# value holds for the rest) and the whole set within SET_LIMIT, when given:
# with the default seed, and on average over seeds 1 to 6. A whole set plays
# in well under a second, even in a sanitizer build.
function(zembro_stage_set source file test_prefix)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "LIMITS;SET_LIMIT" "")
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
  set(limits --limit ${arg_LIMITS})
  if(arg_SET_LIMIT)
    list(APPEND limits --set-limit ${arg_SET_LIMIT})
  endif()
  add_test(NAME ${test_prefix}_playtest COMMAND blctool playtest ${file} --speed 1 ${limits})
  add_test(NAME ${test_prefix}_playtest_seeds COMMAND blctool playtest ${file} --speed 1 --seed 1-6 ${limits})
endfunction()

# The default stage set SYSTEM.BLC, beside the program.
set(SYSTEM_STAGES_FILE ${CMAKE_BINARY_DIR}/bin/SYSTEM.BLC)
zembro_stage_set(${CMAKE_SOURCE_DIR}/resources/stages/SYSTEM.txt ${SYSTEM_STAGES_FILE} system_stages
  LIMITS ${SYSTEM_STAGE_LIMIT_TICKS} SET_LIMIT ${SYSTEM_SET_LIMIT_TICKS})
add_custom_target(system_stages ALL DEPENDS ${SYSTEM_STAGES_FILE})
set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${SYSTEM_STAGES_FILE})

include(${CMAKE_CURRENT_LIST_DIR}/stages/stage_sets.cmake)
