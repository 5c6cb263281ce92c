#include "hosts/headless/headless_host.h"
#include "runtime/app_delegate.h"
#include "runtime/tables.h"
#include "vxtools_headless.h"

namespace vx {

HeadlessHost& installheadlesshost() {
  static HeadlessHost* installed = nullptr;
  if (installed != nullptr) return *installed;
  installed = new HeadlessHost;  // lives as long as the process
  installhost(installed);
  titlebarheight = static_cast<int64_t>(HeadlessTitleBarHeight);
  return *installed;
}

HeadlessHost& useHeadlessHost() {
  HeadlessHost& installed = installheadlesshost();
  // A program run by runHeadless has had its tables built by the launch.
  if (!toolkitinitialised) initvxtools();
  return installed;
}

}  // namespace vx
