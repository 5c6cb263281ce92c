# The build for the web browser host: the toolkit compiled to WebAssembly with
# emscripten (`emcmake cmake …`, or scripts/web.sh). Programs run as in the
# desktop host: main() on a thread of its own (the browser's own thread only
# shows the page and must never wait), the user program on another, both
# started from a pool made when the page loads, so no thread start waits for
# a new worker.
#
# The fonts come from a native build (the font builder needs FreeType, which
# runs on the build machine, not in the page): VX_PREBUILT_FONT_DIR names its
# Resources folder; scripts/web.sh makes it.
include_guard(GLOBAL)

set(VX_BUILD_QT OFF CACHE BOOL "" FORCE)
set(VX_BUILD_TOOLS OFF CACHE BOOL "" FORCE)
set(VX_BUILD_BENCHMARKS OFF CACHE BOOL "" FORCE)
set(VX_PREBUILT_FONT_DIR "" CACHE PATH
    "The Resources folder of a native build, with the toolkit's fonts (scripts/web.sh makes it)")
if(NOT EXISTS "${VX_PREBUILT_FONT_DIR}/MenloRegular 16x32.font")
  message(FATAL_ERROR "The web build needs the fonts of a native build: "
                      "-DVX_PREBUILT_FONT_DIR=<native build>/Resources (scripts/web.sh makes them)")
endif()

# Threads are WebAssembly threads on shared memory; exceptions are the
# JavaScript-based ones (with threads, this emscripten does not catch the
# native WebAssembly ones). Every object of a program must be compiled alike,
# so the toolkit's library passes the options on to whatever links it
# (vx_web_usage); the tree's own code, GoogleTest included, gets them here.
set(VX_WEB_COMPILE_OPTIONS -pthread -fexceptions -msimd128)
set(VX_WEB_LINK_OPTIONS -pthread -fexceptions
  -sPROXY_TO_PTHREAD=1
  -sPTHREAD_POOL_SIZE=6
  -sALLOW_MEMORY_GROWTH=1
  -sMAXIMUM_MEMORY=2GB
  -sINITIAL_MEMORY=64MB
  -sEXIT_RUNTIME=1
  # The page's script reads the program's memory only to copy pictures out,
  # through views renewed when the memory grows; the slower access to
  # growable shared memory that emscripten warns of does not matter there.
  -Wno-pthreads-mem-growth)
add_compile_options(${VX_WEB_COMPILE_OPTIONS})

function(vx_web_usage target)
  target_compile_options(${target} PUBLIC ${VX_WEB_COMPILE_OPTIONS})
  target_link_options(${target} PUBLIC ${VX_WEB_LINK_OPTIONS})
endfunction()

# Run the test programs with the build machine's node.
find_program(VX_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${VX_NODE};--no-experimental-fetch" CACHE STRING "" FORCE)
