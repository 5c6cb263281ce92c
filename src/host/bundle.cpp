#include "host/bundle.h"

#include <filesystem>
#include <system_error>

namespace vx {

std::string executablebundlepath() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return std::filesystem::current_path(error).string();
  for (std::filesystem::path p = exe.parent_path(); !p.empty() && p != p.root_path();
       p = p.parent_path()) {
    if (p.extension() == ".app") return p.string();
  }
  return exe.parent_path().string();
}

std::string executablename() {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || exe.filename().empty()) return "vxtools";
  return exe.filename().string();
}

std::string bundleresourcedirectory(const std::string& bundle) {
  return bundle + "/Contents/Resources";
}

}  // namespace vx
