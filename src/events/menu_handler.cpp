#include "events/menu_handler.h"

#include <cmath>

#include "events/menu_commands.h"
#include "events/menu_table.h"
#include "runtime/text.h"
#include "runtime/threads.h"

namespace vx {

namespace {

t_MenuEvent describe(const MenuItemInfo& item, const std::string& menuTitle) {
  t_MenuEvent event;
  event.Kind = 3;
  event.MenuTitle = menuTitle;
  event.ItemTitle = item.title;
  event.ItemKeyChar = item.keyEquivalent;
  event.ItemKeyMods = item.keyModifiers;
  event.ItemKeyAsc = firstscalar(item.keyEquivalent);
  event.ItemAction = item.tag;
  event.Time = static_cast<int64_t>(std::trunc(host().absoluteTime() * 1000.0));
  return event;
}

// Carries out the registered action of `tag`; false when there is none.
bool runaction(int64_t tag) {
  const int64_t index = t_MenuActionIndex(tag);
  if (index < 0) return false;
  std::optional<t_MenuAction> entry = MenuActionTable.at(index);
  if (!entry) return false;
  runmenucommand(*entry);
  // The panel commands store the chosen file in the table's entry.
  if (entry->Action == 100 || entry->Action == 101) {
    MenuActionTable.update(index, [&](t_MenuAction& stored) {
      stored.FilePath = entry->FilePath;
      stored.FileName = entry->FileName;
    });
  }
  return true;
}

}  // namespace

void t_MenuEventHandler(const MenuItemInfo& item, const std::string& menuTitle) {
  const t_MenuEvent event = describe(item, menuTitle);
  const bool acted = runaction(event.ItemAction);
  MenuEventQueue.append(event);
  MenuEventPending = true;
  if (acted) return;
  // An item without a registered action is the program's: its procedure runs
  // on a process of its own, so the menu returns at once.
  startbackgroundprocess([] {
    if (threadnumber() >= 3) host().setCurrentThreadName("t_EventMenu");
    const Procedure procedure = MenuEventProcedure.get();
    procedure();
  });
}

}  // namespace vx
