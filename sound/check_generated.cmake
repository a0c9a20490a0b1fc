# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the sound and music scripts into a scratch directory and fails when
# what they make differs from the files kept in the tree.
file(REMOVE_RECURSE ${WORK_DIR})
foreach(kind sounds music)
  if(kind STREQUAL "sounds")
    set(script make_sounds.py)
  else()
    set(script make_music.py)
  endif()
  execute_process(COMMAND ${PYTHON} ${SOURCE_DIR}/resources/${kind}/${script} ${WORK_DIR}/${kind}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${script} failed")
  endif()
  file(GLOB made RELATIVE ${WORK_DIR}/${kind} ${WORK_DIR}/${kind}/*)
  foreach(name IN LISTS made)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK_DIR}/${kind}/${name}
                            ${SOURCE_DIR}/resources/${kind}/${name} RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
      message(FATAL_ERROR "resources/${kind}/${name} is not what ${script} makes; run it again")
    endif()
  endforeach()
endforeach()
