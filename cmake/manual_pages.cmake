# The programs' manual pages: docs/<name>.1.in with the project's version
# filled in, compressed as Debian installs them (gzip -9, without a name or
# time stamp, so that two builds give the same bytes) into
# share/man/man1/<name>.1.gz. `mandoc -Tlint` reads every page in the tests.
find_program(VX_GZIP gzip REQUIRED)
add_custom_target(vxmanpages ALL)

function(vx_add_manual_page name component)
  set(page ${CMAKE_BINARY_DIR}/man/${name}.1)
  configure_file(${PROJECT_SOURCE_DIR}/docs/${name}.1.in ${page} @ONLY)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${VX_GZIP} -9 -n -c ${page} > ${page}.gz
    DEPENDS ${page}
    COMMENT "Compressing the manual page ${name}(1)"
    VERBATIM)
  add_custom_target(vxmanpage_${name} DEPENDS ${page}.gz)
  add_dependencies(vxmanpages vxmanpage_${name})
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
  set_property(GLOBAL APPEND PROPERTY VX_MANUAL_PAGES ${page})
endfunction()

# The test: every page reads without a message from mandoc, style included.
function(vx_add_manual_page_test)
  find_program(VX_MANDOC mandoc)
  get_property(pages GLOBAL PROPERTY VX_MANUAL_PAGES)
  if(VX_MANDOC AND pages)
    add_test(NAME ManualPages.ReadWithoutWarnings
             COMMAND ${CMAKE_COMMAND} -DMANDOC=${VX_MANDOC} "-DPAGES=${pages}"
                     -P ${PROJECT_SOURCE_DIR}/cmake/lint_manual_pages.cmake)
  endif()
endfunction()
