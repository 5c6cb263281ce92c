# The public headers: what a program built on vxtools includes, paths relative
# to src/. They are installed under include/vxtools with the same folders,
# are the input of the reference (the `docs` target), and include nothing but
# each other and the standard library (scripts/check-public-headers.sh checks
# both). Every other header under src/ is internal to the toolkit's build.
#
# A program includes <vxtools.h> for the calls, records and constants, and
# <vxtools_headless.h> or <vxtools_desktop.h> (the desktop host) to run them.
set(VX_PUBLIC_HEADERS
  vxtools.h
  vxtools_headless.h
  # Runtime: start-up, threads, memory and the window table, text and numbers.
  runtime/runtime.h
  runtime/beep.h
  runtime/conversions.h
  runtime/guarded.h
  runtime/log.h
  runtime/memory.h
  runtime/shared_field.h
  runtime/tables.h
  runtime/text.h
  runtime/threads.h
  runtime/types.h
  runtime/utf8.h
  runtime/window_record.h
  # The host interface, its events and key codes, and the interface every host builds.
  host/host.h
  host/host_events.h
  host/interface_description.h
  host/key_codes.h
  # Windows.
  windows/windows.h
  windows/memory_setup.h
  windows/window_geometry.h
  windows/window_image.h
  windows/window_init.h
  windows/window_placement.h
  windows/window_refresh.h
  # Graphics.
  graphics/graphics.h
  graphics/colors.h
  graphics/graphic_record.h
  graphics/picture_formats.h
  graphics/palette.h
  graphics/primitives.h
  graphics/screen_capture.h
  graphics/star_pattern.h
  # Text console.
  console/console.h
  console/fonts_and_glyphs.h
  console/printing.h
  console/control_codes.h
  console/cursor.h
  console/display_mode.h
  console/display_mode_mapping.h
  console/font_resource.h
  console/line_input.h
  console/output_pause.h
  console/print.h
  console/print_symbol.h
  console/program_end.h
  console/screen_text.h
  console/scrolling.h
  # Events and menus.
  events/events.h
  events/event_record.h
  events/event_state.h
  events/menu_table.h
  events/wait_key.h
  # Codecs and files.
  codecs/codecs.h
  codecs/decoded.h
  codecs/file_access.h
  codecs/file_panels.h
  codecs/graphic_export.h
  codecs/graphic_formats.h
  codecs/graphic_import.h
  codecs/graphic_pixels.h
  codecs/graphic_rows.h
  codecs/lzw.h
  codecs/packing.h
  codecs/run_length.h
  # The headless host.
  hosts/headless/headless_host.h
  hosts/headless/headless_runner.h)

# The desktop host's public headers (installed with the desktop component).
set(VX_DESKTOP_PUBLIC_HEADERS
  vxtools_desktop.h)

# Installs the given headers (paths relative to src/) under include/vxtools,
# keeping their folders.
function(vx_install_public_headers)
  foreach(header ${ARGN})
    get_filename_component(folder "${header}" DIRECTORY)
    install(FILES "${PROJECT_SOURCE_DIR}/src/${header}"
            DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/vxtools/${folder}" COMPONENT development)
  endforeach()
endfunction()

# `cmake [-D which=desktop] -P cmake/public_headers.cmake` prints the public
# headers (or the desktop host's), one a line, for scripts/check-public-headers.sh.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(which STREQUAL "desktop")
    list(JOIN VX_DESKTOP_PUBLIC_HEADERS "\n" lines)
  else()
    list(JOIN VX_PUBLIC_HEADERS "\n" lines)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${lines}")
endif()
