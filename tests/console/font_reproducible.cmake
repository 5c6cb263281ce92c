# Builds a font twice more and compares both with the one the build shipped:
# the same TrueType file must always give the same bytes.
foreach(run 1 2)
  execute_process(COMMAND "${TOOL}" font "${TRUETYPE}" "${WORKDIR}/again-${run}.font"
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "vxfontbuild failed: ${result}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${SHIPPED}" "${WORKDIR}/again-${run}.font"
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    message(FATAL_ERROR "run ${run} differs from ${SHIPPED}")
  endif()
endforeach()
