#pragma once
// The delegate's menu handler: every menu item of the menu bar that is not the
// quit item arrives here, on the main thread, with the title of its menu.
#include <string>

#include "host/host.h"

namespace vx {
void t_MenuEventHandler(const MenuItemInfo& item, const std::string& menuTitle);
}  // namespace vx
