# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What Debian asks of every package besides the program: the manual pages,
# the changelog, the machine-readable copyright file, and the explained
# lintian overrides. Manual pages and changelog are installed compressed,
# without a name or time stamp inside, so rebuilds give the same bytes.

set(ZEMBRO_DOC_DIR share/doc/zembrovaltine)
set(ZEMBRO_GZIPPED_DIR ${CMAKE_BINARY_DIR}/gzipped)
set(ZEMBRO_GZIPPED_FILES)

function(zembro_gzip source name)
  set(output ${ZEMBRO_GZIPPED_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZEMBRO_GZIPPED_DIR}
    COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${source} ${output}
    DEPENDS ${source}
    VERBATIM)
  set(ZEMBRO_GZIPPED_FILES ${ZEMBRO_GZIPPED_FILES} ${output} PARENT_SCOPE)
endfunction()

zembro_gzip(${CMAKE_SOURCE_DIR}/packaging/man/zembrovaltine.6 zembrovaltine.6)
zembro_gzip(${CMAKE_SOURCE_DIR}/packaging/man/blctool.6 blctool.6)
zembro_gzip(${CMAKE_SOURCE_DIR}/packaging/changelog changelog)
add_custom_target(package_docs ALL DEPENDS ${ZEMBRO_GZIPPED_FILES})

install(FILES ${ZEMBRO_GZIPPED_DIR}/zembrovaltine.6.gz ${ZEMBRO_GZIPPED_DIR}/blctool.6.gz
  DESTINATION share/man/man6)
install(FILES ${ZEMBRO_GZIPPED_DIR}/changelog.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
  DESTINATION ${ZEMBRO_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian-overrides
  DESTINATION share/lintian/overrides RENAME zembrovaltine)
