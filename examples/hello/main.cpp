// Opens a text window on the headless host, prints into it and shows the screen.
#include <algorithm>
#include <iostream>

#include <vxtools.h>
#include <vxtools_headless.h>

int main() {
  vx::useHeadlessHost().setresourcedirectory(HELLO_RESOURCES);
  vx::t_InitWindow(0, 24, 40, 4, 8, "MenloRegular 16x32.font");
  vx::t_Print(0, "Hallo aus vxtools!");
  vx::t_Cr(0);
  vx::t_Print(0, "1024 = " + vx::inttostring(1024, 32, 1, true));
  // Read back with CR line ends, which drops trailing blanks and empty lines.
  std::string screen = vx::t_GetScreen(0, "\r");
  std::replace(screen.begin(), screen.end(), '\r', '\n');
  std::cout << screen << '\n';
}
