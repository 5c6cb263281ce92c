#pragma once
// Where the application bundle is: the nearest folder named "*.app" above the
// running executable (the desktop program runs from Name.app/Contents/bin/),
// else the executable's own folder. Resources live in <bundle>/Contents/Resources.
#include <string>

namespace vx {
std::string executablebundlepath();
// The running executable's file name ("vxtools" when it cannot be read).
std::string executablename();
std::string bundleresourcedirectory(const std::string& bundle);
}  // namespace vx
