#pragma once
// Where vxtool's font commands find a font: the file as named, or, for a bare
// name that is no file in the current folder, the toolkit's font of that name
// in its installed fonts folder ("vxtool font info "MenloRegular 16x32.font""
// works in any folder).
#include <filesystem>
#include <string>
#include <vector>

namespace vxtool {

// The path to read for `operand`: the operand itself when it names a file or a
// path, else the first of `folders` that holds a file of that name, else the
// operand unchanged (whose reading then fails with the usual message).
std::string fontpath(const std::string& operand, const std::vector<std::filesystem::path>& folders);

// The installed fonts folder, found from the running program:
// <prefix>/share/vxtools/Resources for <prefix>/bin/vxtool.
std::vector<std::filesystem::path> installedfontfolders();

}  // namespace vxtool
