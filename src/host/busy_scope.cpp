#include "host/busy_scope.h"

#include "host/main_thread.h"

namespace vx {

BusyScope::BusyScope() {
  onmainthread([] { host().setBusy(true); });
}

BusyScope::~BusyScope() {
  onmainthread([] { host().setBusy(false); });
}

}  // namespace vx
