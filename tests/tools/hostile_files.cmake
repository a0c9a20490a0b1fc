# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# blctool against hostile files (FIFOs, huge inputs, planted links,
# read-only and linked targets, a file-size limit).
add_test(NAME blctool.hostile_files
  COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/hostile_files.sh $<TARGET_FILE:blctool>
    ${CMAKE_SOURCE_DIR}/resources/stages/SYSTEM.txt)

# The file managers' thumbnailer: sizes, colours and refusals.
add_test(NAME blctool.thumbnail
  COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/thumbnail.sh $<TARGET_FILE:blctool>
    ${CMAKE_BINARY_DIR}/bin/SYSTEM.BLC ${CMAKE_SOURCE_DIR})

# blctool playtest as a stage designer reads it: slow endings, long waits,
# time limits and the mean over seeds.
add_test(NAME blctool.playtest
  COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/playtest.sh $<TARGET_FILE:blctool>)
