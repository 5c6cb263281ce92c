#include "bash_completion.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "command.h"

namespace vxtool {
namespace {

std::string firstword(std::string_view words) { return std::string(words.substr(0, words.find(' '))); }

// The words a user may type next after `typed` (a command's leading words,
// or nothing), each once, in the table's order.
std::vector<std::string> nextwords(std::string_view typed) {
  std::vector<std::string> next;
  for (const Command& command : commands()) {
    const std::string_view words = command.words;
    if (!typed.empty() && (words.size() <= typed.size() || words.substr(0, typed.size() + 1) != std::string(typed) + ' '))
      continue;
    const std::string word = firstword(typed.empty() ? words : words.substr(typed.size() + 1));
    if (std::find(next.begin(), next.end(), word) == next.end()) next.push_back(word);
  }
  return next;
}

std::string joined(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) line += (line.empty() ? "" : " ") + word;
  return line;
}

// One branch of the case: a whole command, its options, and the options that
// take a value (whose value bash completes as a file name).
void writecommandbranch(const Command& command, std::ostream& out) {
  std::vector<std::string> options, valued;
  for (const Option& option : command.options) {
    options.push_back("--" + std::string(option.name));
    if (!option.valuename.empty()) valued.push_back("--" + std::string(option.name));
  }
  options.push_back("--help");
  out << "    \" " << command.words << " \"*)\n";
  if (!valued.empty()) {
    std::string alternatives = joined(valued);
    std::replace(alternatives.begin(), alternatives.end(), ' ', '|');
    out << "      case $prev in " << alternatives << ") return ;; esac\n";
  }
  out << "      [[ $cur == -* ]] && COMPREPLY=($(compgen -W \"" << joined(options) << "\" -- \"$cur\"))\n"
      << "      ;;\n";
}

}  // namespace

void writebashcompletion(std::ostream& out) {
  out << "# bash completion for vxtool, written by the build from vxtool's table of\n"
         "# commands and options (the one that prints its help); do not edit.\n"
         "_vxtool() {\n"
         "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
         "  local typed=\" ${COMP_WORDS[*]:1:COMP_CWORD-1} \"\n"
         "  COMPREPLY=()\n"
         "  case $typed in\n";
  for (const Command& command : commands()) writecommandbranch(command, out);
  // The groups ("gr", "font"): their sub-commands.
  std::vector<std::string> groups;
  for (const Command& command : commands()) {
    const std::string group = firstword(command.words);
    if (group.size() == command.words.size() || std::find(groups.begin(), groups.end(), group) != groups.end())
      continue;
    groups.push_back(group);
    out << "    \" " << group << " \")\n"
        << "      COMPREPLY=($(compgen -W \"" << joined(nextwords(group)) << "\" -- \"$cur\"))\n"
        << "      ;;\n";
  }
  out << "    \"  \")\n"
      << "      COMPREPLY=($(compgen -W \"" << joined(nextwords({})) << " --help --version\" -- \"$cur\"))\n"
      << "      ;;\n"
      << "  esac\n"
      << "}\n"
      << "complete -o default -F _vxtool vxtool\n";
}

}  // namespace vxtool
