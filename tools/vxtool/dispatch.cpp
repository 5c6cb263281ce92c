#include <algorithm>
#include <charconv>
#include <optional>
#include <sstream>

#include "command.h"

namespace vxtool {
namespace {

constexpr std::string_view Program = "vxtool";

std::vector<std::string_view> splitwords(std::string_view words) {
  std::vector<std::string_view> parts;
  while (!words.empty()) {
    const size_t space = words.find(' ');
    parts.push_back(words.substr(0, space));
    words = space == std::string_view::npos ? std::string_view{} : words.substr(space + 1);
  }
  return parts;
}

// How many leading arguments name the command, or 0 when they do not.
size_t matchedwords(const Command& command, std::span<const std::string> arguments) {
  const auto words = splitwords(command.words);
  if (arguments.size() < words.size()) return 0;
  for (size_t i = 0; i < words.size(); ++i)
    if (arguments[i] != words[i]) return 0;
  return words.size();
}

std::string usageline(const Command& command) {
  std::ostringstream line;
  line << "usage: " << Program << ' ' << command.words;
  if (!command.operands.empty()) line << ' ' << command.operands;
  for (const Option& option : command.options) {
    line << (option.required ? " --" : " [--") << option.name;
    if (!option.valuename.empty()) line << ' ' << option.valuename;
    if (!option.required) line << ']';
  }
  return line.str();
}

void printcommandhelp(const Command& command, std::ostream& out) {
  out << usageline(command) << "\n\n" << command.summary << '\n';
  if (!command.options.empty()) {
    out << "\noptions:\n";
    for (const Option& option : command.options) {
      std::string left = "--" + std::string(option.name);
      if (!option.valuename.empty()) left += " " + std::string(option.valuename);
      out << "  " << left << std::string(left.size() < 22 ? 22 - left.size() : 1, ' ') << option.help << '\n';
    }
  }
  if (!command.details.empty()) out << '\n' << command.details << '\n';
}

// Commands whose words start with `prefix` (all of them for an empty prefix).
void printcommandlist(std::span<const std::string> prefix, std::ostream& out) {
  for (const Command& command : commands()) {
    const auto words = splitwords(command.words);
    if (prefix.size() > words.size() || !std::equal(prefix.begin(), prefix.end(), words.begin())) continue;
    std::string left = std::string(command.words);
    if (!command.operands.empty()) left += " " + std::string(command.operands);
    out << "  " << left << std::string(left.size() < 24 ? 24 - left.size() : 1, ' ') << command.summary << '\n';
  }
}

void printgeneralhelp(std::ostream& out) {
  out << "usage: " << Program << " COMMAND [OPTIONS]\n\n"
      << "The command-line companion of the vxtools toolkit; it needs no display.\n\ncommands:\n";
  printcommandlist({}, out);
  out << "\n" << Program << " COMMAND --help describes a command's options; " << Program
      << " --version prints the version.\n";
}

const Option* findoption(const Command& command, std::string_view name) {
  for (const Option& option : command.options)
    if (option.name == name) return &option;
  return nullptr;
}

// Parses the arguments after the command's words. Answers an empty string, or
// the reason they do not fit.
std::string parse(const Command& command, std::span<const std::string> rest, Arguments& parsed) {
  for (size_t i = 0; i < rest.size(); ++i) {
    const std::string& argument = rest[i];
    if (argument.size() < 3 || argument.compare(0, 2, "--") != 0) {
      if (argument.size() > 1 && argument[0] == '-') return "unknown option '" + argument + "'";
      parsed.positional.push_back(argument);
      continue;
    }
    std::string name = argument.substr(2);
    std::optional<std::string> inlinevalue;
    if (const size_t equals = name.find('='); equals != std::string::npos) {
      inlinevalue = name.substr(equals + 1);
      name.resize(equals);
    }
    const Option* option = findoption(command, name);
    if (option == nullptr) return "unknown option '--" + name + "'";
    if (option->valuename.empty()) {
      if (inlinevalue) return "option '--" + name + "' takes no value";
      parsed.flags.push_back(name);
      continue;
    }
    if (!inlinevalue) {
      if (i + 1 >= rest.size()) return "option '--" + name + "' needs a value (" + std::string(option->valuename) + ")";
      inlinevalue = rest[++i];
    }
    if (parsed.values.count(name) != 0) return "option '--" + name + "' given twice";
    parsed.values[name] = *inlinevalue;
  }
  for (const Option& option : command.options)
    if (option.required && !parsed.has(option.name)) return "option '--" + std::string(option.name) + "' is required";
  if (parsed.positional.size() != command.operandcount) {
    if (command.operandcount == 0) return "unexpected argument '" + parsed.positional.front() + "'";
    return "expected " + std::string(command.operands);
  }
  return {};
}

bool ishelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }
bool isversion(const std::string& argument) { return argument == "--version"; }

}  // namespace

bool Arguments::has(std::string_view option) const {
  return values.find(option) != values.end() ||
         std::find(flags.begin(), flags.end(), option) != flags.end();
}

std::string Arguments::value(std::string_view option, std::string_view fallback) const {
  const auto found = values.find(option);
  return found == values.end() ? std::string(fallback) : found->second;
}

std::ostream& Output::error() { return err << Program << ' ' << command << ": "; }

bool integeroption(const Arguments& arguments, std::string_view option, long long low, long long high,
                   long long& result, Output& io) {
  const std::string text = arguments.value(option);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
    io.error() << "--" << option << " must be a whole number, not '" << text << "'\n";
    return false;
  }
  if (value < low || value > high) {
    io.error() << "--" << option << " must be from " << low << " to " << high << ", not " << value << '\n';
    return false;
  }
  result = value;
  return true;
}

int runvxtool(std::span<const std::string> arguments, std::ostream& out, std::ostream& err) {
  if (arguments.empty()) {
    printgeneralhelp(err);
    return ExitUsage;
  }
  if (ishelp(arguments[0])) {
    printgeneralhelp(out);
    return ExitOk;
  }
  if (isversion(arguments[0])) {
    out << Program << ' ' << VX_PROGRAM_VERSION << '\n';
    return ExitOk;
  }
  const Command* chosen = nullptr;
  size_t words = 0;
  for (const Command& command : commands()) {
    const size_t matched = matchedwords(command, arguments);
    if (matched > words) {
      chosen = &command;
      words = matched;
    }
  }
  if (chosen == nullptr) {
    // The first word of a group ("gr") without its sub-command, or with help.
    std::ostringstream group;
    printcommandlist(arguments.first(1), group);
    if (!group.str().empty()) {
      const bool help = arguments.size() > 1 && ishelp(arguments[1]);
      if (arguments.size() > 1 && !help)
        err << Program << ' ' << arguments[0] << ": unknown command '" << arguments[1] << "'\n";
      (help ? out : err) << "usage: " << Program << ' ' << arguments[0] << " COMMAND ...\n\ncommands:\n" << group.str();
      return help ? ExitOk : ExitUsage;
    }
    err << Program << ": unknown command '" << arguments[0] << "'\n";
    printgeneralhelp(err);
    return ExitUsage;
  }
  const auto rest = arguments.subspan(words);
  if (std::any_of(rest.begin(), rest.end(), ishelp)) {
    printcommandhelp(*chosen, out);
    return ExitOk;
  }
  Arguments parsed;
  if (const std::string problem = parse(*chosen, rest, parsed); !problem.empty()) {
    err << Program << ' ' << chosen->words << ": " << problem << '\n' << usageline(*chosen) << '\n';
    return ExitUsage;
  }
  Output io{out, err, chosen->words};
  return chosen->run(parsed, io);
}

}  // namespace vxtool
