# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The sound effects and tunes that ship beside the program. They are made by
# the scripts beside them and kept in the tree; the build copies them next
# to the program, and the install takes them from there.
set(ZEMBRO_SHIPPED_SOUND_FILES
  resources/sounds/TOPPADL.WAV resources/sounds/SIDEPADL.WAV resources/sounds/FRAME.WAV
  resources/sounds/NORMBLC.WAV resources/sounds/GOLDBLC.WAV resources/sounds/SILVBLC.WAV
  resources/sounds/chimes.wav
  resources/music/BLOCKDEM.MID resources/music/BLOCKPLY.MID resources/music/BLOCKEND.MID)

set(shipped_outputs)
foreach(source IN LISTS ZEMBRO_SHIPPED_SOUND_FILES)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_BINARY_DIR}/bin/${name})
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/${source} ${output}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND shipped_outputs ${output})
  set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${output})
endforeach()
add_custom_target(sound_data ALL DEPENDS ${shipped_outputs})
if(TARGET qt_tests)
  add_dependencies(qt_tests sound_data)
endif()

# The files in the tree are exactly what the scripts make.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND)
  add_test(NAME shipped_sounds_are_generated
    COMMAND ${CMAKE_COMMAND}
      -DPYTHON=${Python3_EXECUTABLE} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DWORK_DIR=${CMAKE_BINARY_DIR}/sound-check
      -P ${CMAKE_SOURCE_DIR}/sound/check_generated.cmake)
endif()
