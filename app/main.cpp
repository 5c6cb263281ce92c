// The star program as an application: on the desktop host, or in a web page
// when built with emscripten.
#include <cstdio>
#include <cstdlib>

#include "program/velmorandine.h"
#include "vxtools_desktop.h"

int main(int argc, char** argv) {
  const vx::AboutText about{VXTOOLS_PROGRAM_NAME, VXTOOLS_PROGRAM_VERSION, vx::velmorandinetext::Notice};
  const int code = vx::runApplication(argc, argv, vx::velmorandine, about);
  // The program thread may still be running (the user can quit at any
  // prompt); end the process without static destructors running under it.
  std::fflush(nullptr);
  std::_Exit(code);
}
