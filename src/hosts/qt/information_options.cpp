#include "hosts/qt/information_options.h"

#include <string_view>

namespace vx::qt {

namespace {

enum class Information { None, Help, Version };

Information requested(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "-h" || argument == "--help") return Information::Help;
    if (argument == "-v" || argument == "--version") return Information::Version;
  }
  return Information::None;
}

void printhelp(const ProgramUsage& usage, std::ostream& out) {
  out << "usage: " << usage.command;
  if (!usage.operands.empty()) out << ' ' << usage.operands;
  out << "\n       " << usage.command << " --help | --version\n\n"
      << usage.description << "\n\n"
      << "options:\n"
      << "  -h, --help     print this help and exit\n"
      << "  -v, --version  print the version and exit\n\n"
      << "Qt's own options, such as -platform NAME, choose where the windows show.\n";
}

}  // namespace

bool answerinformationoption(int argc, char** argv, const ProgramUsage& usage, std::ostream& out) {
  switch (requested(argc, argv)) {
    case Information::None: return false;
    case Information::Help: printhelp(usage, out); break;
    case Information::Version:
      out << usage.command;
      if (!usage.version.empty()) out << ' ' << usage.version;
      out << '\n';
      break;
  }
  out.flush();
  return true;
}

std::string commandname(int argc, char** argv, const std::string& fallback) {
  if (argc < 1 || argv[0] == nullptr || *argv[0] == '\0') return fallback;
  const std::string_view path = argv[0];
  const size_t slash = path.rfind('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace vx::qt
