# The Debian packages: `cpack -G DEB` in the build folder makes one package
# per install component, as Debian splits a library and its programs:
#   libvxtools-dev  (development)   the static libraries (the toolkit with its
#                                   headless host, and the desktop host), the
#                                   public headers, the CMake package with the
#                                   program template, and the reference
#   vxtools         (tools)         vxtool, vxview, the toolkit's fonts, the
#                                   ".gr" file type, the icon, the viewer's
#                                   menu entry and vxtool's bash completion
#   velmorandine    (velmorandine)  the star program in its bundle, with its
#                                   fonts, menu entry and icon
# Each carries /usr/share/doc/<package>/copyright (machine-readable) and
# changelog.gz (Debian format, cmake/debian/changelog); the programs'
# dependencies on shared libraries are computed by dpkg-shlibdeps (package
# dpkg-dev). `lintian` finds nothing to say about any of them
# (scripts/check-install.sh --deb runs it).
set(VX_PACKAGE_CONTACT "The vxtools developers <vxtools@vxtools.org>")
set(VX_PACKAGES development|libvxtools-dev tools|vxtools velmorandine|velmorandine)

# The changelog's newest entry names the version being packaged.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^vxtools \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "cmake/debian/changelog begins with '${changelog_head}'; "
                      "add an entry for version ${PROJECT_VERSION}")
endif()

# A licence's text from its "Permission" paragraph on, as a copyright file's
# License paragraph holds it: every line indented, empty lines as " .".
function(vx_licence_paragraph file variable)
  file(READ ${file} text)
  string(FIND "${text}" "Permission is hereby granted" start)
  string(SUBSTRING "${text}" ${start} -1 text)
  string(STRIP "${text}" text)
  string(REGEX REPLACE "\n\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n" "\n " text "${text}")
  set(${variable} " ${text}" PARENT_SCOPE)
endfunction()
vx_licence_paragraph(${PROJECT_SOURCE_DIR}/LICENSE VX_EXPAT_TEXT)
vx_licence_paragraph(${PROJECT_SOURCE_DIR}/tools/fontbuilder/LICENSE-DejaVu VX_BITSTREAM_VERA_TEXT)
set(debian_docs ${CMAKE_BINARY_DIR}/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${debian_docs}/copyright @ONLY)
find_program(VX_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${debian_docs}/changelog.gz
  COMMAND ${VX_GZIP} -9 -n -c ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${debian_docs}/changelog.gz
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
  VERBATIM)
add_custom_target(vxdebiandocs ALL DEPENDS ${debian_docs}/changelog.gz)

# The copyright and changelog in each package's documentation folder; only
# the packages carry them (a plain `cmake --install` has LICENSE's text
# beside the fonts and in the source).
foreach(entry ${VX_PACKAGES})
  string(REPLACE "|" ";" entry ${entry})
  list(GET entry 0 component)
  list(GET entry 1 package)
  install(FILES ${debian_docs}/copyright ${debian_docs}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component} EXCLUDE_FROM_ALL)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vxtools)
set(CPACK_PACKAGE_VENDOR "The vxtools developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VX_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL development tools velmorandine)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE vxtools)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# The programs and libraries without their debugging information.
set(CPACK_STRIP_FILES ON)
set(CPACK_VX_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_static_libraries.cmake)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS tools)  # the fonts the CMake package points to
# The desktop host's Qt 6, which the CMake package finds (find_dependency).
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION [=[retro-style graphics toolkit in C++20 - development files
vxtools imitates a small computer: one flat byte memory, windows of 1 to 32
bits per pixel, text windows drawn from bitmap fonts, keyboard and mouse
events, menus, the pasteboard, file panels and the ".gr" graphic files. A
program runs on a thread of its own and talks to the toolkit through its
calls.

This package holds the static libraries (the toolkit with its headless host,
which needs no display, and the desktop host on Qt 6), the public headers,
the CMake package for find_package(vxtools) with the program template
vxtools_add_program, and the reference in /usr/share/doc/vxtools/html.]=])

set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION graphics)
# Qt's platform plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_TOOLS_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_TOOLS_PACKAGE_RECOMMENDS "hicolor-icon-theme, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_TOOLS_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_TOOLS_DESCRIPTION [=[command-line program and viewer for vxtools graphics
The vxtools toolkit imitates a small computer with windows of 1 to 32 bits
per pixel and text windows drawn from bitmap fonts.

vxtool draws the star test pattern, describes and converts the toolkit's
".gr" graphic files (to PNG, PBM, PGM or PPM) and describes and draws its
fonts, without a display. vxview shows ".gr" files on the desktop, each in
a window of its own. The package also holds the toolkit's two fonts, the
".gr" file type and the viewer's menu entry.]=])

set(CPACK_DEBIAN_VELMORANDINE_PACKAGE_SECTION graphics)
# Its bundle carries the fonts (as every program built with the template does);
# vxtools shows and converts the pictures it saves.
set(CPACK_DEBIAN_VELMORANDINE_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_VELMORANDINE_PACKAGE_RECOMMENDS "vxtools (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_VELMORANDINE_DESCRIPTION [=[radial star test pattern on the vxtools toolkit
Velmorandine asks for a diameter and then, again and again, for a number of
segments, draws the radial star pattern into a one-bit window and prints how
long the drawing took. The picture can be copied to the clipboard or saved
as a ".gr" graphic file, which vxview shows and vxtool converts. The program
speaks German.]=])
# The descriptions quote ".gr": written into CPack's configuration as they are.
set(CPACK_VERBATIM_VARIABLES ON)
include(CPack)
