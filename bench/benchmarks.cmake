# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Each bench/*.cpp is a benchmark program on the core; each bench/qt/*.cpp
# one on the Qt shell (run it with QT_QPA_PLATFORM=offscreen).
file(GLOB CORE_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
foreach(source ${CORE_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE zengine benchmark::benchmark benchmark::benchmark_main)
endforeach()

file(GLOB QT_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/qt/*.cpp)
foreach(source ${QT_BENCH_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE zshell_qt benchmark::benchmark)
endforeach()
