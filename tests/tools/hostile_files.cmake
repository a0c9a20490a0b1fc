# blctool against hostile files (FIFOs, huge inputs, planted links,
# read-only and linked targets, a file-size limit).
add_test(NAME blctool.hostile_files
  COMMAND ${CMAKE_SOURCE_DIR}/tests/tools/hostile_files.sh $<TARGET_FILE:blctool>
    ${CMAKE_SOURCE_DIR}/resources/stages/SYSTEM.txt)
