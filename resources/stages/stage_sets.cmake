# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The stage sets shipped in the stages folder beside the program, for the
# player to open once SYSTEM.BLC is cleared. Each is built from its readable
# source by blctool, as SYSTEM.BLC is, and carries the same guards: the game
# opens it without a designer warning, and the headless player clears every
# stage at speed 1 within 30 minutes of game time per stage (36000 ticks; the
# longest stage now needs about 25000, and a whole set plays in a second or
# two even in a sanitizer build).
set(SHIPPED_STAGE_SETS SEASONS KANJI MAZES EXPERT)
set(SHIPPED_STAGES_DIR ${CMAKE_BINARY_DIR}/bin/stages)
set(STAGE_SET_PLAYTEST_TICKS 36000)

set(shipped_stage_files)
foreach(set_name IN LISTS SHIPPED_STAGE_SETS)
  set(source ${CMAKE_CURRENT_LIST_DIR}/${set_name}.txt)
  set(file ${SHIPPED_STAGES_DIR}/${set_name}.BLC)
  add_custom_command(
    OUTPUT ${file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SHIPPED_STAGES_DIR}
    COMMAND blctool build ${source} -o ${file}
    DEPENDS blctool ${source}
    COMMENT "Building the stage set ${set_name}.BLC"
    VERBATIM)
  list(APPEND shipped_stage_files ${file})

  add_test(NAME stage_set_${set_name}_check COMMAND blctool check ${file})
  set_tests_properties(stage_set_${set_name}_check PROPERTIES FAIL_REGULAR_EXPRESSION "warning:")
  add_test(NAME stage_set_${set_name}_playtest
    COMMAND blctool playtest ${file} --speed 1 --max-ticks ${STAGE_SET_PLAYTEST_TICKS})
endforeach()

add_custom_target(shipped_stage_sets ALL DEPENDS ${shipped_stage_files})
add_dependencies(game shipped_stage_sets)
install(FILES ${shipped_stage_files} DESTINATION ${ZEMBRO_PROGRAM_INSTALL_DIR}/stages)
# The program and its tests find the sets in the build's bin folder.
add_dependencies(zshell shipped_stage_sets)
