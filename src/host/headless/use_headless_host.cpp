#include "host/headless/headless_host.h"
#include "runtime/app_delegate.h"
#include "runtime/tables.h"
#include "vxtools_headless.h"

namespace vx {

HeadlessHost& useHeadlessHost() {
  static HeadlessHost* installed = nullptr;
  if (installed != nullptr) return *installed;
  installed = new HeadlessHost;  // lives as long as the process
  installhost(installed);
  titlebarheight = static_cast<int64_t>(HeadlessTitleBarHeight);
  initvxtools();
  return *installed;
}

}  // namespace vx
