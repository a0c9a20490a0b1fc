# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The main window's place and fitting under real window managers, each on a
# virtual screen of its own: a light one and a full desktop's.
foreach(wm openbox mutter)
  add_test(NAME desktop.window_${wm}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/shell/desktop_window.sh $<TARGET_FILE:zembrovaltine> ${wm})
  set_tests_properties(desktop.window_${wm} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endforeach()
