#include "support/test_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

namespace vxtest {

LogCapture::LogCapture() {
  vx::setlogechoed(false);
  vx::startlogcapture();
}

LogCapture::~LogCapture() {
  vx::stoplogcapture();
  vx::setlogechoed(true);
}

std::string LogCapture::take() { return vx::takelogcapture(); }

bool pumpuntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  return vx::useHeadlessHost().pumpuntil(done, timeout);
}

size_t occurrences(const std::string& text, const std::string& needle) {
  size_t count = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) ++count;
  return count;
}

TempFolder::TempFolder(const std::string& name)
    : path_(std::filesystem::temp_directory_path() / ("vxtest-" + std::to_string(::getpid()) + "-" + name)) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  std::ofstream(path_ / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return file(name);
}

std::vector<uint8_t> TempFolder::read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

size_t TempFolder::entries() const {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
}

}  // namespace vxtest
