#pragma once
// vxtool's commands. Each command is one entry of the table in commands.cpp:
// its words ("star", or "gr info" for a command with a sub-command), the
// options it takes and the function that runs it. The dispatcher matches the
// words, parses the options against the command's list, prints help and usage,
// and hands the command its parsed arguments, so a command never parses argv.
#include <map>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxtool {

// Exit statuses: success, a failure of the work itself (a file that cannot be
// read, say), and arguments that do not fit the command.
constexpr int ExitOk = 0;
constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

struct Option {
  std::string_view name;       // without the leading "--"
  std::string_view valuename;  // "D", "FILE"; empty for a flag without a value
  std::string_view help;
  bool required = false;
};

struct Arguments {
  std::map<std::string, std::string, std::less<>> values;  // options given with a value
  std::vector<std::string> flags;                           // flags given
  std::vector<std::string> positional;

  bool has(std::string_view option) const;
  // The option's value, or `fallback` when it was not given.
  std::string value(std::string_view option, std::string_view fallback = {}) const;
};

struct Output {
  std::ostream& out;
  std::ostream& err;
  std::string_view command;  // the command's words, for messages
  // Standard error, after the "vxtool <command>: " that begins every message.
  std::ostream& error();
};

struct Command {
  std::string_view words;       // "star", "gr info"
  std::string_view operands;    // positional operands for the usage line ("FILE"); may be empty
  size_t operandcount = 0;      // exactly this many positional operands
  std::string_view summary;     // one line
  std::span<const Option> options;
  std::string_view details;     // more help text, may be empty
  int (*run)(const Arguments& arguments, Output& io) = nullptr;
};

// Every command vxtool has, in the order help lists them.
std::span<const Command> commands();

// Runs vxtool with the arguments after the program name; answers the exit status.
int runvxtool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err);

// Reads a decimal integer option within [low, high]; on failure writes a clear
// message naming the option and answers false.
bool integeroption(const Arguments& arguments, std::string_view option, long long low, long long high,
                   long long& result, Output& io);

}  // namespace vxtool
