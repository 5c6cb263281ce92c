# vxtools_add_program: a desktop program on vxtools, built as an application
# bundle with its menu entry and install rules; configured with emscripten
# (`emcmake cmake …`), the same program as a web page.
#
#   vxtools_add_program(NAME <target> SOURCES <file>...
#                       [TITLE "<program name>"] [VERSION <version>]
#                       [ICON <file.svg|file.png>] [DESKTOP_ENTRY <file.desktop>]
#                       [RESOURCES <file>...] [COMPONENT <install component>])
#
# Builds <TITLE>.app/Contents/bin/<target> in the build folder, with the
# toolkit's fonts (and RESOURCES) copied to <TITLE>.app/Contents/Resources,
# where the toolkit looks for them. The program is linked with the desktop host
# (vxtools::desktop) and compiled with VXTOOLS_PROGRAM_NAME and
# VXTOOLS_PROGRAM_VERSION defined as strings, for its About text and menus.
#
# Installed, the bundle lives under <libdir>/<target>/, <bindir>/<target> is a
# relative link to its program, and the menu entry <target>.desktop (written
# from TITLE, or DESKTOP_ENTRY as given) and the icon go where desktops look.
#
# TITLE defaults to NAME, VERSION to the project's version, COMPONENT to NAME.

include_guard(GLOBAL)
include(GNUInstallDirs)

# Fails the configuration with a message that names the program and the file.
function(_vxtools_program_require_file program what file)
  if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
    message(FATAL_ERROR "vxtools_add_program(${program}): ${what} \"${file}\" does not exist")
  endif()
endfunction()

# The width and height of a PNG file, from its header.
function(_vxtools_png_size file out_var)
  file(READ "${file}" header OFFSET 16 LIMIT 8 HEX)
  string(LENGTH "${header}" length)
  if(NOT length EQUAL 16)
    message(FATAL_ERROR "vxtools_add_program: icon \"${file}\" is not a PNG file")
  endif()
  string(SUBSTRING "${header}" 0 8 width_hex)
  string(SUBSTRING "${header}" 8 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  set(${out_var} "${width}x${height}" PARENT_SCOPE)
endfunction()

# Copies the fonts and the program's own resources into the bundle, whenever
# one of them changes.
function(_vxtools_bundle_resources target resources_dir)
  set(copies)
  foreach(source ${ARGN})
    get_filename_component(name "${source}" NAME)
    set(copy "${resources_dir}/${name}")
    add_custom_command(
      OUTPUT "${copy}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${resources_dir}"
      COMMAND ${CMAKE_COMMAND} -E copy_if_different "${source}" "${copy}"
      DEPENDS "${source}"
      VERBATIM)
    list(APPEND copies "${copy}")
  endforeach()
  add_custom_target(${target}_resources ALL DEPENDS ${copies})
  if(DEFINED VXTOOLS_FONT_TARGET AND TARGET ${VXTOOLS_FONT_TARGET})
    add_dependencies(${target}_resources ${VXTOOLS_FONT_TARGET})
  endif()
  add_dependencies(${target} ${target}_resources)
endfunction()

# The menu entry written from the program's title.
function(_vxtools_write_desktop_entry file target title has_icon)
  set(icon_line "")
  if(has_icon)
    set(icon_line "Icon=${target}\n")
  endif()
  file(WRITE "${file}"
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=${title}\n"
    "Comment=${title}, a vxtools program\n"
    "Exec=${target}\n"
    "${icon_line}"
    "Terminal=false\n"
    "Categories=Graphics;\n")
endfunction()

function(_vxtools_install_bundle target bundle_name bundle_dir component)
  set(install_dir "${CMAKE_INSTALL_LIBDIR}/${target}/${bundle_name}")
  install(TARGETS ${target} RUNTIME DESTINATION "${install_dir}/Contents/bin"
          COMPONENT ${component})
  install(DIRECTORY "${bundle_dir}/Contents/Resources/" DESTINATION "${install_dir}/Contents/Resources"
          COMPONENT ${component})
  # bin/<target> is a relative link: the program finds its bundle, and so its
  # fonts, from the link's target, wherever the tree is installed.
  file(RELATIVE_PATH link_target "/prefix/${CMAKE_INSTALL_BINDIR}"
       "/prefix/${install_dir}/Contents/bin/${target}")
  set(link_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}-launcher")
  file(MAKE_DIRECTORY "${link_dir}")
  file(CREATE_LINK "${link_target}" "${link_dir}/${target}" SYMBOLIC)
  install(FILES "${link_dir}/${target}" DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})
endfunction()

function(_vxtools_install_icon target icon component)
  get_filename_component(extension "${icon}" LAST_EXT)
  string(TOLOWER "${extension}" extension)
  if(extension STREQUAL ".svg")
    set(size_dir scalable)
  elseif(extension STREQUAL ".png")
    _vxtools_png_size("${icon}" size_dir)
  else()
    message(FATAL_ERROR "vxtools_add_program(${target}): icon \"${icon}\" must be an SVG or PNG file")
  endif()
  install(FILES "${icon}" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size_dir}/apps"
          RENAME "${target}${extension}" COMPONENT ${component})
endfunction()

# The program as a web page (a build with emscripten): <site>/<target>/ holds
# index.html, the page's script and style, its service worker, and the
# program's <target>.js, .wasm and worker script; the fonts and RESOURCES are
# built into the program's file system at /<TITLE>.app/Contents/Resources,
# where the web host looks for them. VXTOOLS_WEB_SITE_DIR (default
# <build>/site) is the folder of all pages.
function(_vxtools_add_web_program target title version icon)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "" "SOURCES;RESOURCES")
  if(NOT TARGET vxtools::web)
    message(FATAL_ERROR "vxtools_add_program(${target}): the web host is missing (vxtools::web)")
  endif()
  if(NOT VXTOOLS_WEB_SITE_DIR)
    set(VXTOOLS_WEB_SITE_DIR "${CMAKE_BINARY_DIR}/site")
  endif()
  set(page_dir "${VXTOOLS_WEB_SITE_DIR}/${target}")
  add_executable(${target} ${arg_SOURCES})
  target_link_libraries(${target} PRIVATE vxtools::web)
  target_compile_definitions(${target} PRIVATE
    VXTOOLS_PROGRAM_NAME="${title}" VXTOOLS_PROGRAM_VERSION="${version}")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${page_dir}" SUFFIX ".js")

  # A project that adds the toolkit's source tree sees its fonts' folder
  # through the cache only.
  set(font_dir "${VXTOOLS_FONT_DIR}")
  if(NOT font_dir)
    set(font_dir "${VX_PREBUILT_FONT_DIR}")
  endif()
  file(GLOB fonts LIST_DIRECTORIES false "${font_dir}/*.font" "${font_dir}/LICENSE-DejaVu")
  if(DEFINED VXTOOLS_FONT_FILES)
    set(fonts ${VXTOOLS_FONT_FILES})
  endif()
  if(NOT fonts)
    message(FATAL_ERROR "vxtools_add_program(${target}): no fonts in \"${font_dir}\" "
                        "(the web build needs -DVX_PREBUILT_FONT_DIR=<native build>/Resources)")
  endif()
  set(bundle "${CMAKE_CURRENT_BINARY_DIR}/${target}-bundle")
  _vxtools_bundle_resources(${target} "${bundle}" ${fonts} ${arg_RESOURCES})
  target_link_options(${target} PRIVATE "SHELL:--embed-file \"${bundle}@/${title}.app/Contents/Resources\"")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${fonts} ${arg_RESOURCES})

  set(VXWEB_TITLE "${title}")
  set(VXWEB_VERSION "${version}")
  set(VXWEB_SCRIPT "${target}.js")
  set(VXWEB_ICON_LINK "")
  if(icon)
    get_filename_component(extension "${icon}" LAST_EXT)
    configure_file("${icon}" "${page_dir}/icon${extension}" COPYONLY)
    set(VXWEB_ICON_LINK "<link rel=\"icon\" href=\"icon${extension}\">")
  endif()
  configure_file("${VXTOOLS_WEB_PAGE_DIR}/index.html.in" "${page_dir}/index.html" @ONLY)
  foreach(file vxweb.js vxweb.css vxweb-isolation.js)
    configure_file("${VXTOOLS_WEB_PAGE_DIR}/${file}" "${page_dir}/${file}" COPYONLY)
  endforeach()
endfunction()

function(vxtools_add_program)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;TITLE;VERSION;ICON;DESKTOP_ENTRY;COMPONENT"
                        "SOURCES;RESOURCES")
  if(NOT arg_NAME)
    message(FATAL_ERROR "vxtools_add_program: NAME is missing")
  endif()
  set(target ${arg_NAME})
  if(arg_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "vxtools_add_program(${target}): unknown arguments: ${arg_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT arg_SOURCES)
    message(FATAL_ERROR "vxtools_add_program(${target}): SOURCES is missing")
  endif()
  if(NOT arg_TITLE)
    set(arg_TITLE "${target}")
  endif()
  if(NOT arg_VERSION)
    set(arg_VERSION "${PROJECT_VERSION}")
  endif()
  if(NOT arg_COMPONENT)
    set(arg_COMPONENT "${target}")
  endif()
  set(sources)
  foreach(source ${arg_SOURCES})
    get_filename_component(path "${source}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    _vxtools_program_require_file(${target} "source" "${path}")
    list(APPEND sources "${path}")
  endforeach()
  set(resources)
  foreach(resource ${arg_RESOURCES})
    get_filename_component(path "${resource}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    _vxtools_program_require_file(${target} "resource" "${path}")
    list(APPEND resources "${path}")
  endforeach()
  foreach(option ICON DESKTOP_ENTRY)
    if(arg_${option})
      get_filename_component(arg_${option} "${arg_${option}}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
      string(TOLOWER "${option}" what)
      string(REPLACE "_" " " what "${what}")
      _vxtools_program_require_file(${target} "${what}" "${arg_${option}}")
    endif()
  endforeach()

  if(EMSCRIPTEN)
    _vxtools_add_web_program(${target} "${arg_TITLE}" "${arg_VERSION}" "${arg_ICON}"
                             SOURCES ${sources} RESOURCES ${resources})
    return()
  endif()
  if(NOT TARGET vxtools::desktop)
    message(FATAL_ERROR "vxtools_add_program(${target}): the desktop host is missing; "
                        "use find_package(vxtools REQUIRED COMPONENTS desktop)")
  endif()

  set(bundle_name "${arg_TITLE}.app")
  set(bundle_dir "${CMAKE_BINARY_DIR}/${bundle_name}")
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE vxtools::desktop)
  target_compile_definitions(${target} PRIVATE
    VXTOOLS_PROGRAM_NAME="${arg_TITLE}" VXTOOLS_PROGRAM_VERSION="${arg_VERSION}")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${bundle_dir}/Contents/bin")

  # The fonts, with their licence, which goes wherever they go.
  file(GLOB fonts LIST_DIRECTORIES false "${VXTOOLS_FONT_DIR}/*.font" "${VXTOOLS_FONT_DIR}/LICENSE-DejaVu")
  if(DEFINED VXTOOLS_FONT_FILES)
    set(fonts ${VXTOOLS_FONT_FILES})  # in the source tree, the fonts the build makes
  endif()
  _vxtools_bundle_resources(${target} "${bundle_dir}/Contents/Resources" ${fonts} ${resources})
  _vxtools_install_bundle(${target} "${bundle_name}" "${bundle_dir}" ${arg_COMPONENT})

  set(entry "${CMAKE_CURRENT_BINARY_DIR}/${target}.desktop")
  if(arg_DESKTOP_ENTRY)
    configure_file("${arg_DESKTOP_ENTRY}" "${entry}" COPYONLY)
  else()
    set(has_icon FALSE)
    if(arg_ICON)
      set(has_icon TRUE)
    endif()
    _vxtools_write_desktop_entry("${entry}" ${target} "${arg_TITLE}" ${has_icon})
  endif()
  install(FILES "${entry}" DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT ${arg_COMPONENT})
  if(arg_ICON)
    _vxtools_install_icon(${target} "${arg_ICON}" ${arg_COMPONENT})
  endif()
endfunction()
