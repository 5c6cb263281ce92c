#include "runtime/beep.h"

#include "host/host.h"

namespace vx {
void t_Beep() { host().beep(); }
}  // namespace vx
