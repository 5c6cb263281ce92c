#include "runtime/text.h"
#include "runtime/utf8.h"
#include "windows/window_init.h"

namespace vx {

std::string windowtitlefor(const std::string& bundlepath, bool hastextmemory) {
  const size_t slash = bundlepath.rfind('/');
  std::string name = slash == std::string::npos ? bundlepath : bundlepath.substr(slash + 1);
  if (scalarcount(name) <= 4) return name;
  std::string suffix = name.substr(name.size() - 4);
  for (char& c : suffix) c = static_cast<char>(lowercasescalar(static_cast<unsigned char>(c)));
  if (suffix != ".app") return name;
  name.resize(name.size() - 4);
  if (!hastextmemory) name += "-Grafik";
  return name;
}

}  // namespace vx
