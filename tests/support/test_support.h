#pragma once
// Helpers shared by the tests.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "vxtools.h"
#include "vxtools_headless.h"
// The tests also drive the toolkit's internal hooks, those a host calls.
#include "codecs/save_failure.h"
#include "events/close_box.h"
#include "events/key_table.h"
#include "events/menu_availability.h"
#include "events/menu_commands.h"
#include "events/menu_handler.h"
#include "events/view_events.h"
#include "runtime/app_delegate.h"
#include "windows/window_resize.h"

namespace vxtest {

// Captures the diagnostic log for the lifetime of the object (not echoed).
class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  std::string take();  // what was logged since the last take
};

// Waits on the headless host's task loop until `done` holds (30 s at most).
bool pumpuntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(30));

// How often `needle` stands in `text`.
size_t occurrences(const std::string& text, const std::string& needle);

// A fresh, empty folder of the test's own, removed with everything in it
// (whatever its permissions were set to) when the object goes.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes the file and answers its path.
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) const;
  std::vector<uint8_t> read(const std::string& name) const;
  size_t entries() const;

 private:
  std::filesystem::path path_;
};

}  // namespace vxtest
