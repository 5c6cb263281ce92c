// Strichliste as an application: the program function run by the desktop host,
// or in a web page when built with emscripten. The program template defines
// the program's name and version.
#include <cstdio>
#include <cstdlib>

#include <vxtools_desktop.h>

#include "program.h"

int main(int argc, char** argv) {
  const vx::AboutText about{VXTOOLS_PROGRAM_NAME, VXTOOLS_PROGRAM_VERSION, strichliste::Notice};
  const int code = vx::runApplication(argc, argv, strichliste::program, about);
  // The program thread may still be running when the user quits: end the
  // process without running static destructors under it.
  std::fflush(nullptr);
  std::_Exit(code);
}
