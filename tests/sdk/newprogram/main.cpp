// Opens a text window, prints what its application menu offers and ends: the
// menu items are read back from the desktop's real menu bar.
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <vxtools.h>
#include <vxtools_desktop.h>

namespace {

void program() {
  vx::t_InitWindow(0, 24, 40, 4, 8, "MenloRegular 16x32.font");
  vx::t_WindowFront(0);
  vx::t_Print(0, "Hallo");
  const std::string menu = VXTOOLS_PROGRAM_NAME;
  std::cout << "about: " << vx::t_MenuItemTitle(menu, 0) << '\n'
            << "quit: " << vx::t_MenuItemTitle(menu, 65535) << '\n'
            << "screen: " << vx::t_GetScreen(0, "|").substr(0, 5) << '\n'
            << std::flush;
  vx::t_QuitProgram(0);
}

}  // namespace

int main(int argc, char** argv) {
  const int code = vx::runApplication(argc, argv, program,
                                        {VXTOOLS_PROGRAM_NAME, VXTOOLS_PROGRAM_VERSION, "Ein neues Programm"});
  std::fflush(nullptr);
  std::_Exit(code);
}
