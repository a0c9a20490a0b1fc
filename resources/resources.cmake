# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The default stage set SYSTEM.BLC, built beside the program from its
# readable source by blctool, so the binary file never lives in the tree.
set(SYSTEM_STAGES_SOURCE ${CMAKE_SOURCE_DIR}/resources/stages/SYSTEM.txt)
set(SYSTEM_STAGES_FILE ${CMAKE_BINARY_DIR}/bin/SYSTEM.BLC)
add_custom_command(
  OUTPUT ${SYSTEM_STAGES_FILE}
  COMMAND blctool build ${SYSTEM_STAGES_SOURCE} -o ${SYSTEM_STAGES_FILE}
  DEPENDS blctool ${SYSTEM_STAGES_SOURCE}
  COMMENT "Building the default stage set SYSTEM.BLC"
  VERBATIM)
add_custom_target(system_stages ALL DEPENDS ${SYSTEM_STAGES_FILE})
set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${SYSTEM_STAGES_FILE})

# Guards for whoever edits the stage set: the game opens it without a
# designer warning, and the headless player clears every stage at speed 1.
add_test(NAME system_stages_check COMMAND blctool check ${SYSTEM_STAGES_FILE})
set_tests_properties(system_stages_check PROPERTIES FAIL_REGULAR_EXPRESSION "warning:")
add_test(NAME system_stages_playtest COMMAND blctool playtest ${SYSTEM_STAGES_FILE} --speed 1)

include(${CMAKE_CURRENT_LIST_DIR}/stages/stage_sets.cmake)
