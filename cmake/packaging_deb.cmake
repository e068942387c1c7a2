# `cpack -G DEB` in a build tree: quorlane_<version>_<arch>.deb for Debian and its derivatives.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORLANE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
if(QUORLANE_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUORLANE_HOMEPAGE})
endif()
# CPack indents the long description and turns its empty line into the " ." separator.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "meeting cost meter
Type the number of attendees and press the start button: once a second the
window shows how long the meeting has run and what it has cost so far, from an
hourly cost per attendee set in /etc/quorlane/Quorlane.ini. The interface is
Japanese.

会議の経過時間と発生費用を毎秒表示する会議コストメーターです。")
# Qt's libraries as dpkg-shlibdeps finds them, a font that draws the Japanese captions, and Qt's
# platform plugins, which libqt6gui6 only recommends: without them the window cannot open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
set(CPACK_STRIP_FILES ON)
# Installed with DESTDIR and the real prefix, so that the settings land in /etc, not /usr/etc.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# dpkg keeps an administrator's edits to a conffile across upgrades and removal.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/deb/conffiles "/etc/quorlane/Quorlane.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/deb/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
