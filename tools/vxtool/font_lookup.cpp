#include "font_lookup.h"

#include <system_error>

namespace vxtool {

std::string fontpath(const std::string& operand, const std::vector<std::filesystem::path>& folders) {
  std::error_code error;
  if (operand.empty() || operand.find('/') != std::string::npos || std::filesystem::exists(operand, error))
    return operand;
  for (const std::filesystem::path& folder : folders) {
    const std::filesystem::path candidate = folder / operand;
    if (std::filesystem::is_regular_file(candidate, error)) return candidate.string();
  }
  return operand;
}

std::vector<std::filesystem::path> installedfontfolders() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  // VX_FONTS_FROM_BINDIR: the fonts folder relative to the bin folder, as installed.
  return {program.parent_path() / VX_FONTS_FROM_BINDIR};
}

}  // namespace vxtool
