// The web host's application: the launch sequence and the main thread's
// service of the page, on the thread emscripten runs main() on (never the
// browser's own).
#include <atomic>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "host/bundle.h"
#include "host/interface_description.h"
#include "hosts/resource_check.h"
#include "hosts/web/page_bridge.h"
#include "hosts/web/web_host.h"
#include "runtime/app_delegate.h"
#include "runtime/tables.h"
#include "vxtools_desktop.h"

namespace vx {

namespace {

// Marks the program's end whichever way its thread ends: by returning or by
// t_QuitProgram unwinding the stack.
struct EndMark {
  web::WebHost* host;
  ~EndMark() { host->setprogramended(); }
};

}  // namespace

int runApplication(int, char**, std::function<void()> program, AboutText about) {
  if (!about.program.empty()) setapplicationname(about.program);
  // The program's bundle is built into the page's file system, fonts and all.
  const std::string bundle = "/" + applicationname() + ".app";
  if (const std::optional<std::string> problem = programresourceproblem(bundleresourcedirectory(bundle))) {
    std::fprintf(stderr, "%s: %s\n", applicationname().c_str(), problem->c_str());
    vxweb_page_state(3, problem->c_str());
    return 1;
  }
  auto* host = new web::WebHost(std::move(about));  // lives as long as the page
  host->setbundlepath(bundle);
  installhost(host);
  titlebarheight = static_cast<int64_t>(HeadlessTitleBarHeight);
  web::setinstalledwebhost(host);

  appdelegate.program = [program = std::move(program), host] {
    EndMark mark{host};
    if (program) program();
  };
  appdelegate.applicationWillFinishLaunching();
  appdelegate.applicationDidFinishLaunching();
  host->serveuntil([host] { return host->quitrequested(); });
  host->shutdown();
  appdelegate.applicationWillTerminate();
  std::fflush(stdout);
  vxweb_page_state(2, "");
  return 0;
}

}  // namespace vx
