# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installing the game. The program looks for its default stage set, sounds,
# tunes and help file in its own directory, so all of them live together in
# <prefix>/lib/zembrovaltine; <prefix>/games/zembrovaltine, the command in
# Debian's place for games, is a relative link to the program there (it
# finds its directory through /proc/self/exe).
#
# Data files that belong beside the program are registered by whoever builds
# them, with their absolute path in the build tree:
#   set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${CMAKE_BINARY_DIR}/bin/NAME)
# Each one registered is installed beside the program and built by the target
# `game` (the program and its data, nothing else; scripts/run-game.sh builds
# it). A data file made by a custom command in another directory also needs
# add_dependencies(game <its target>).

set(ZEMBRO_PROGRAM_INSTALL_DIR lib/zembrovaltine)

install(TARGETS zembrovaltine RUNTIME DESTINATION ${ZEMBRO_PROGRAM_INSTALL_DIR})
install(TARGETS blctool RUNTIME DESTINATION bin)

# The link is made in the build tree and installed as a link, so it lands in
# the install manifest and in the package like any other file.
set(ZEMBRO_PROGRAM_LINK ${CMAKE_BINARY_DIR}/install-links/zembrovaltine)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
file(CREATE_LINK ../${ZEMBRO_PROGRAM_INSTALL_DIR}/zembrovaltine ${ZEMBRO_PROGRAM_LINK} SYMBOLIC)
install(FILES ${ZEMBRO_PROGRAM_LINK} DESTINATION games)

# Desktop integration: menu entry, store metadata, the stage-set file type
# and the icons of both, drawn by resources/art/make_art.py.
set(ZEMBRO_DESKTOP_ICONS ${CMAKE_SOURCE_DIR}/resources/desktop/icons)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zembrovaltine.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/com.vantrosk.Zembrovaltine.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zembrovaltine-mime.xml
  DESTINATION share/mime/packages RENAME zembrovaltine.xml)
# File managers draw a stage set's first stage through blctool.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/zembrovaltine.thumbnailer DESTINATION share/thumbnailers)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${ZEMBRO_DESKTOP_ICONS}/zembrovaltine-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zembrovaltine.png)
  install(FILES ${ZEMBRO_DESKTOP_ICONS}/application-x-zembrovaltine-stage-set-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/mimetypes
    RENAME application-x-zembrovaltine-stage-set.png)
endforeach()
install(FILES ${ZEMBRO_DESKTOP_ICONS}/zembrovaltine.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${ZEMBRO_DESKTOP_ICONS}/application-x-zembrovaltine-stage-set.svg
  DESTINATION share/icons/hicolor/scalable/mimetypes)

add_custom_target(game)
add_dependencies(game zembrovaltine)

# Run once the whole project has been read, so every data file registered
# by any folder is known.
function(zembro_install_program_data)
  get_property(data GLOBAL PROPERTY ZEMBRO_PROGRAM_DATA)
  list(REMOVE_DUPLICATES data)
  if(data)
    install(FILES ${data} DESTINATION ${ZEMBRO_PROGRAM_INSTALL_DIR})
    add_custom_target(program_data DEPENDS ${data})
    add_dependencies(game program_data)
  endif()
  # The install check below compares the installed files with this list.
  list(JOIN data "\n" lines)
  file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/program-data.txt CONTENT "${lines}\n")
  add_test(NAME install_layout
    COMMAND ${CMAKE_SOURCE_DIR}/tests/packaging/check-install.sh ${CMAKE_BINARY_DIR})
endfunction()
cmake_language(DEFER CALL zembro_install_program_data)

include(${CMAKE_SOURCE_DIR}/packaging/docs.cmake)
include(${CMAKE_SOURCE_DIR}/packaging/package.cmake)
