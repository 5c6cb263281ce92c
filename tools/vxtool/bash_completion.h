#pragma once
// vxtool's bash completion, written from the same table of commands and
// options that prints its help, so that the two never disagree. The build
// writes it with vxtool-completion; bash-completion loads it from
// share/bash-completion/completions/vxtool.
#include <ostream>

namespace vxtool {

void writebashcompletion(std::ostream& out);

}  // namespace vxtool
