#pragma once
// Before a program's first window opens, its host checks the fonts the
// program will print with: a program started without them would show empty
// text windows and no word why.
#include <optional>
#include <string>

namespace vx {

// What is wrong with the resource folder `folder`, in words for the user
// (German, naming the folder or file), or nothing when it exists and every
// "*.font" in it is a font the toolkit can read. A folder without any font
// is wrong too.
std::optional<std::string> programresourceproblem(const std::string& folder);

}  // namespace vx
