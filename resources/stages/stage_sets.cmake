# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The stage sets shipped in the stages folder beside the program, for the
# player to open once SYSTEM.BLC is cleared, built and guarded as SYSTEM.BLC
# is: the headless player clears each stage within eight minutes.
set(SHIPPED_STAGE_SETS SEASONS KANJI MAZES EXPERT)
set(SHIPPED_STAGES_DIR ${CMAKE_BINARY_DIR}/bin/stages)

set(shipped_stage_files)
foreach(set_name IN LISTS SHIPPED_STAGE_SETS)
  set(file ${SHIPPED_STAGES_DIR}/${set_name}.BLC)
  zembro_stage_set(${CMAKE_CURRENT_LIST_DIR}/${set_name}.txt ${file} stage_set_${set_name}
    LIMITS ${STAGE_LIMIT_TICKS})
  list(APPEND shipped_stage_files ${file})
endforeach()

add_custom_target(shipped_stage_sets ALL DEPENDS ${shipped_stage_files})
add_dependencies(game shipped_stage_sets)
install(FILES ${shipped_stage_files} DESTINATION ${ZEMBRO_PROGRAM_INSTALL_DIR}/stages)
# The program and its tests find the sets in the build's bin folder.
add_dependencies(zshell_qt shipped_stage_sets)
