# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every file of the tree states its licence, in an SPDX header or through
# .reuse/dep5, so a new file without one fails here. Where reuse is not
# installed the check is skipped rather than passed.
find_program(REUSE_PROGRAM reuse)
if(REUSE_PROGRAM)
  add_test(NAME reuse_lint COMMAND ${REUSE_PROGRAM} --root ${CMAKE_SOURCE_DIR} lint)
else()
  add_test(NAME reuse_lint COMMAND ${CMAKE_COMMAND} -E echo "reuse is not installed")
  set_tests_properties(reuse_lint PROPERTIES SKIP_REGULAR_EXPRESSION "reuse is not installed")
endif()
