# cmake -DMANDOC=<mandoc> -DPAGES=<page;...> -P lint_manual_pages.cmake
# Fails when mandoc has anything to say about a page, a style message included.
set(failed FALSE)
foreach(page ${PAGES})
  execute_process(COMMAND ${MANDOC} -Tlint -W style ${page}
                  OUTPUT_VARIABLE messages ERROR_VARIABLE messages RESULT_VARIABLE status)
  if(NOT status EQUAL 0 OR NOT messages STREQUAL "")
    message(SEND_ERROR "${page}: mandoc -Tlint says\n${messages}")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  list(LENGTH PAGES count)
  message(STATUS "${count} manual pages read without a message from mandoc")
endif()
