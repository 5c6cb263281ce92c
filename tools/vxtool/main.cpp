// vxtool: the toolkit's command-line program. It runs on the headless host and
// needs no display.
#include <iostream>
#include <string>
#include <vector>

#include "command.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return vxtool::runvxtool(arguments, std::cout, std::cerr);
}
