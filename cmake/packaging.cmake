# The Debian package: `cpack -G DEB` in the build folder makes
# vxtools_<version>_<architecture>.deb, which installs under /usr what
# `cmake --install` installs. Its dependencies are those of its programs'
# shared libraries (found by dpkg-shlibdeps, package dpkg-dev), and Qt's
# platform plugins, which the desktop program loads at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vxtools)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "vxtools developers <vxtools@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "retro-style graphics toolkit with the Velmorandine star program")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "vxtools imitates a small computer with windows of 1 to 32 bits per pixel, text windows with bitmap fonts, "
  "menus and events. The package holds the desktop program Velmorandine, which draws a radial star test "
  "pattern, the command-line program vxtool, which reads and converts the toolkit's graphic and font files, "
  "the viewer vxview, which shows the graphic files on the desktop, "
  "and the toolkit's library with its headers and CMake package.")
# The programs without their debugging information (the library keeps its symbols).
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
include(CPack)
