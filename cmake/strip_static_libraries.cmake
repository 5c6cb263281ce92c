# Run by CPack before it packs (CPACK_PRE_BUILD_SCRIPTS): the static libraries
# lose their debugging information and compiler notes, as Debian ships them
# (the programs are stripped by CPACK_STRIP_FILES). A build's own install
# keeps them.
file(GLOB_RECURSE libraries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a")
foreach(library ${libraries})
  execute_process(COMMAND ${CPACK_VX_STRIP} --strip-debug --remove-section=.comment --enable-deterministic-archives ${library}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "strip --strip-debug ${library} failed")
  endif()
endforeach()
