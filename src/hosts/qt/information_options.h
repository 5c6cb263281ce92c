#pragma once
// --help and --version of a desktop program. They are answered before the
// application connects to a display, so that both work on a terminal, over
// ssh or in a build script where there is none.
#include <ostream>
#include <string>

namespace vx::qt {

struct ProgramUsage {
  std::string command;      // the executable's name, "vxview"
  std::string version;      // may be empty
  std::string operands;     // "[FILE ...]"; empty for a program that takes none
  std::string description;  // one or more lines
};

// When the arguments ask for help (-h, --help) or the version (-v, --version),
// prints it to `out` and answers true; arguments after "--" are operands.
bool answerinformationoption(int argc, char** argv, const ProgramUsage& usage, std::ostream& out);

// The name the program was started by, without its folder.
std::string commandname(int argc, char** argv, const std::string& fallback);

}  // namespace vx::qt
