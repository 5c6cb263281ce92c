#include "events/menu_handler.h"

#include <cmath>

#include "events/menu_table.h"

namespace vx {

// Records the choice so that a program watching the menu queue sees it. The
// built-in commands behind the tags are carried out by the menu commands.
void t_MenuEventHandler(const MenuItemInfo& item, const std::string& menuTitle) {
  t_MenuEvent event;
  event.Kind = 3;
  event.MenuTitle = menuTitle;
  event.ItemTitle = item.title;
  event.ItemKeyChar = item.keyEquivalent;
  event.ItemKeyMods = item.keyModifiers;
  event.ItemAction = item.tag;
  event.Time = static_cast<int64_t>(std::trunc(host().absoluteTime() * 1000.0));
  MenuEventQueue.append(event);
  MenuEventPending = true;
}

}  // namespace vx
