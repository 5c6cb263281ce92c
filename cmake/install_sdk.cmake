# What a program's developer installs: the core library vxtools (with the
# headless host), the desktop host vxtools_qt (exported as vxtools::desktop,
# in an export set of its own so that only programs asking for the desktop
# component need Qt), the headers, the fonts, the program template and the
# package files for find_package(vxtools).
include(CMakePackageConfigHelpers)
set(VX_CMAKE_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/vxtools)

install(TARGETS vxtools EXPORT vxtoolsTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vxtools)
install(EXPORT vxtoolsTargets NAMESPACE vxtools:: DESTINATION ${VX_CMAKE_INSTALL_DIR}
        COMPONENT development)
if(TARGET vxtools_qt)
  install(TARGETS vxtools_qt EXPORT vxtoolsDesktopTargets
          ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
          INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vxtools)
  install(EXPORT vxtoolsDesktopTargets NAMESPACE vxtools:: DESTINATION ${VX_CMAKE_INSTALL_DIR}
          COMPONENT development)
endif()

# Only the public headers are installed; the rest of src/ is the toolkit's own.
include(cmake/public_headers.cmake)
vx_install_public_headers(${VX_PUBLIC_HEADERS})
if(TARGET vxtools_qt)
  vx_install_public_headers(${VX_DESKTOP_PUBLIC_HEADERS})
endif()
# The reference of the public headers (target docs, share/doc/vxtools/html).
include(cmake/docs.cmake)

# The shipped fonts and their licence, for programs that run on an installed
# toolkit (VX_RESOURCE_INSTALL_DIR: share/vxtools/Resources). They come with
# the tools' package, on which the development package depends.
if(VX_BUILD_TOOLS)
  install(DIRECTORY ${VX_FONT_DIR}/ DESTINATION ${VX_RESOURCE_INSTALL_DIR}
          COMPONENT tools FILES_MATCHING PATTERN "*.font" PATTERN "LICENSE-DejaVu")
endif()

configure_package_config_file(cmake/vxtoolsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/vxtoolsConfig.cmake
  INSTALL_DESTINATION ${VX_CMAKE_INSTALL_DIR}
  PATH_VARS VX_RESOURCE_INSTALL_DIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vxtoolsConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vxtoolsConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/vxtoolsConfigVersion.cmake
              ${CMAKE_CURRENT_SOURCE_DIR}/cmake/vxtoolsProgram.cmake
        DESTINATION ${VX_CMAKE_INSTALL_DIR} COMPONENT development)
