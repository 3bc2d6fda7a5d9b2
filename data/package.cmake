# SPDX-FileCopyrightText: 2026 The Dovrenta developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in a build folder writes dovrenta_<version>-1_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dovrenta)
set(CPACK_PACKAGE_VENDOR "The Dovrenta developers")
set(CPACK_PACKAGE_CONTACT "The Dovrenta developers <dovrenta@example.org>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries found by dpkg-shlibdeps: the fonts the windows ask for (a sans-serif and
# a Kai face with Chinese glyphs) and Qt's own Chinese translations of its standard texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, fonts-arphic-gkai00mp, qt6-translations-l10n")
# The program runs on X11, through XWayland on a Wayland desktop; Qt's Wayland platform serves
# where no X server answers, and whoever asks for native Wayland with QT_QPA_PLATFORM=wayland.
# The help window's links are opened with xdg-open. On GNOME, Xfce, Cinnamon and MATE a dark
# desktop's palette reaches Qt only through its GTK platform theme.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, qt6-gtk-platformtheme")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop countdown board")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick a target date from three lists and type a short event text; at every
start Dovrenta opens a window with the days left until that date, a counter
that runs down the seconds live, and the event text. It can add itself to the
desktop's start-up programs. The interface is in Chinese.")
include(CPack)
