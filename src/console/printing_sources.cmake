# Text output, line input and the closing message of program end.
target_sources(vxtools PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control_codes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_mode_mapping.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_field.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_pasteboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/output_pause.cpp
  ${CMAKE_CURRENT_LIST_DIR}/print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_end.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_text.cpp)
