# The reference: Doxygen of the public headers into build/docs/html, made with
# everything else when Doxygen is there (`cmake --build build --target docs`
# alone), and installed under share/doc/vxtools/html. With VX_WERROR a warning,
# such as a public name without its description, fails the target.
option(VX_BUILD_DOCS "Build the reference when Doxygen is found" ON)
if(NOT VX_BUILD_DOCS)
  return()
endif()
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  message(STATUS "Doxygen not found: the reference (target docs) is not built")
  return()
endif()

set(VX_DOCS_DIR ${CMAKE_BINARY_DIR}/docs)
set(VX_DOCS_HEADERS ${VX_PUBLIC_HEADERS})
if(VX_BUILD_QT)
  list(APPEND VX_DOCS_HEADERS ${VX_DESKTOP_PUBLIC_HEADERS})
endif()
list(TRANSFORM VX_DOCS_HEADERS PREPEND ${PROJECT_SOURCE_DIR}/src/)
set(VX_DOCS_SOURCES ${VX_DOCS_HEADERS} ${PROJECT_SOURCE_DIR}/docs/reference.md)
list(JOIN VX_DOCS_SOURCES "\" \"" VX_DOCS_INPUT)
set(VX_DOCS_INPUT "\"${VX_DOCS_INPUT}\"")
if(VX_WERROR)
  set(VX_DOCS_WARN_AS_ERROR FAIL_ON_WARNINGS)
else()
  set(VX_DOCS_WARN_AS_ERROR NO)
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${CMAKE_BINARY_DIR}/Doxyfile @ONLY)

add_custom_command(
  OUTPUT ${VX_DOCS_DIR}/html/index.html
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${VX_DOCS_DIR}/html
  COMMAND Doxygen::doxygen ${CMAKE_BINARY_DIR}/Doxyfile
  DEPENDS ${VX_DOCS_SOURCES} ${CMAKE_BINARY_DIR}/Doxyfile
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Reference: Doxygen of the public headers into ${VX_DOCS_DIR}/html"
  VERBATIM)
add_custom_target(docs ALL DEPENDS ${VX_DOCS_DIR}/html/index.html)
install(DIRECTORY ${VX_DOCS_DIR}/html/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/html OPTIONAL
        COMPONENT development)
