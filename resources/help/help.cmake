# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The manual: readable HTML pages and their project, compiled by
# qhelpgenerator into the help file beside the program, named after it.
find_package(Qt6 REQUIRED COMPONENTS Help)
find_package(Qt6 QUIET COMPONENTS Tools)
target_link_libraries(zshell_qt PUBLIC Qt6::Help)

if(TARGET Qt6::qhelpgenerator)
  set(ZEMBRO_QHELPGENERATOR Qt6::qhelpgenerator)
else()
  find_program(ZEMBRO_QHELPGENERATOR qhelpgenerator REQUIRED
    HINTS /usr/lib/qt6/libexec /usr/lib/qt6/bin)
endif()

set(HELP_SOURCE_DIR ${CMAKE_SOURCE_DIR}/resources/help)
set(HELP_PROJECT ${HELP_SOURCE_DIR}/zembrovaltine.qhp)
set(HELP_FILE ${CMAKE_BINARY_DIR}/bin/zembrovaltine.qch)
file(GLOB HELP_PAGES CONFIGURE_DEPENDS
  ${HELP_SOURCE_DIR}/*.html ${HELP_SOURCE_DIR}/*.css ${HELP_SOURCE_DIR}/images/*.png)

add_custom_command(
  OUTPUT ${HELP_FILE}
  COMMAND ${ZEMBRO_QHELPGENERATOR} ${HELP_PROJECT} -o ${HELP_FILE}
  DEPENDS ${HELP_PROJECT} ${HELP_PAGES}
  COMMENT "Compiling the manual into zembrovaltine.qch"
  VERBATIM)
add_custom_target(help_file ALL DEPENDS ${HELP_FILE})
# The program and its tests open the manual from the build's bin folder.
add_dependencies(zshell_qt help_file)
set_property(GLOBAL APPEND PROPERTY ZEMBRO_PROGRAM_DATA ${HELP_FILE})
