// Ballwand on the desktop: the program function run by the desktop host.
#include <cstdio>
#include <cstdlib>

#include <vxtools_qt.h>

#include "program.h"

int main(int argc, char** argv) {
  const vx::AboutText about{ballwand::Name, ballwand::Version, ballwand::Notice};
  const int code = vx::runQtApplication(argc, argv, ballwand::program, about);
  // The program thread may still be running when the user quits: end the
  // process without running static destructors under it.
  std::fflush(nullptr);
  std::_Exit(code);
}
