# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by `cpack -G DEB` in a build folder (see
# scripts/build-package.sh). It holds the install layout of install.cmake
# under /usr; the library dependencies are read from the binaries.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zembrovaltine)
set(CPACK_PACKAGE_VENDOR Vantrosk)
set(CPACK_PACKAGE_CONTACT "Zembrovaltine developers <dev@zembrovaltine.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Run-time needs the binaries do not show: FluidSynth and the sound server's
# client, which the program loads when sound first plays, the General MIDI
# SoundFont the music plays through, a Japanese font for every text of the
# program, Qt's Japanese texts for its standard dialogs, and the SQLite
# driver the help viewer reads the manual through.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libfluidsynth3, libpulse0, timgm6mb-soundfont | fluid-soundfont-gm, fonts-ipafont-gothic | fonts-japanese-gothic, qt6-translations-l10n, libqt6sql6-sqlite")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "block-breaking game with a stage editor")
# The summary above is the first line of the package description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zembrovaltine is a single-player block-breaking game with a Japanese user
interface. Steer the paddle along the foot of a walled playfield and keep the
ball in play; the ball knocks out the blocks of the stage, and a stage is
cleared when no breakable block is left. Coloured blocks break at one hit,
silver blocks at the third, and gold blocks never.
.
A stage set holds ten stages; draw your own in the built-in editor and save
them as .blc files. The best score is kept for each set. The game comes with
a self-running demonstration, sound effects and MIDI music.")

include(CPack)
