# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Reading and replacing files on the POSIX calls, shared by the game's
# document files and blctool.
add_library(zposix STATIC ${CMAKE_CURRENT_LIST_DIR}/SafeFiles.cpp)
target_link_libraries(zposix PUBLIC zcore)
target_link_libraries(zshell PUBLIC zposix)
target_link_libraries(blctool PRIVATE zposix)
