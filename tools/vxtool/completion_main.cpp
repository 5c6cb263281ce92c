// vxtool-completion: writes vxtool's bash completion to standard output (the
// build installs it as share/bash-completion/completions/vxtool).
#include <iostream>

#include "bash_completion.h"

int main() {
  vxtool::writebashcompletion(std::cout);
  return std::cout.flush() ? 0 : 1;
}
