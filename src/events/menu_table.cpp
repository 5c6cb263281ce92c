#include "events/menu_table.h"

#include <optional>
#include <vector>

#include "host/host.h"
#include "host/main_thread.h"
#include "host/menu_actions.h"
#include "runtime/beep.h"
#include "runtime/log.h"

namespace vx {

GuardedList<t_MenuAction>& MenuActionTable = *new GuardedList<t_MenuAction>;
GuardedList<t_MenuEvent>& MenuEventQueue = *new GuardedList<t_MenuEvent>;
std::atomic<bool> MenuEventPending{false};
Guarded<Procedure>& MenuEventProcedure = *new Guarded<Procedure>(Procedure([] {}));
Guarded<Procedure>& MenuSaveProcedure = *new Guarded<Procedure>(Procedure([] { t_Beep(); }));

namespace {

constexpr int64_t lastposition = 65535;

// Resolves a position (65535: the last item) against a menu of `count` items.
std::optional<int> resolveposition(int64_t position, size_t count) {
  if (position == lastposition && count > 0) return static_cast<int>(count - 1);
  if (position < 0 || position >= static_cast<int64_t>(count)) return std::nullopt;
  return static_cast<int>(position);
}

}  // namespace

void t_AddMenuAction(int64_t code) {
  t_MenuAction action;
  action.Tag = code;
  action.Action = code;
  MenuActionTable.append(action);
}

int64_t t_MenuActionIndex(int64_t tag) {
  if (tag == 0) return -1;
  return MenuActionTable.find([tag](const t_MenuAction& a) { return a.Tag == tag; });
}

int64_t t_MenuItemIndex(const std::string& menu, const std::string& item) {
  return onmainthread(
      [&]() -> int64_t {
        Host& h = host();
        const auto found = h.findMenu(menu);
        if (!found) {
          log("t_MenuItemIndex: Menu not found.");
          return -2;
        }
        const std::vector<MenuItemInfo> items = h.menuItems(*found);
        for (size_t i = 0; i < items.size(); ++i)
          if (items[i].title == item) return static_cast<int64_t>(i);
        return -1;
      },
      int64_t{-2});
}

void t_MenuItemDelete(const std::string& menu, int64_t position) {
  onmainthread([&] {
    Host& h = host();
    const auto found = h.findMenu(menu);
    if (!found) {
      log("t_MenuItemDelete: Menu not found.");
      return;
    }
    const auto index = resolveposition(position, h.menuItems(*found).size());
    if (!index) {
      log("t_MenuItemDelete: Item position out of range");
      return;
    }
    h.deleteMenuItem(*found, *index);
  });
}

std::string t_MenuItemTitle(const std::string& menu, int64_t position) {
  return onmainthread([&]() -> std::string {
    Host& h = host();
    const auto found = h.findMenu(menu);
    if (!found) {
      log("t_MenuItemTitle: Menu not found.");
      return {};
    }
    const std::vector<MenuItemInfo> items = h.menuItems(*found);
    const auto index = resolveposition(position, items.size());
    if (!index) {
      log("t_MenuItemTitle: Item position out of range");
      return {};
    }
    return items[*index].title;
  });
}

namespace {

void registerbuiltinactions() {
  for (int64_t code = FirstWindowMenuAction; code <= LastWindowMenuAction; ++code) t_AddMenuAction(code);
  for (int64_t code = FirstCommandMenuAction; code <= LastCommandMenuAction; ++code) t_AddMenuAction(code);
}

// Items the host's system adds to the edit menus that make no sense here.
void pruneeditmenus() {
  const char* unwanted[] = {"Special Characters…", "Emoji & Symbols", "Emoji & Symbole",
                            "Start Dictation…", "Diktat starten …"};
  for (const char* title : unwanted) {
    for (const char* menu : {"Bearbeiten", "Edit"}) {
      const int64_t index = t_MenuItemIndex(menu, title);
      if (index >= 0) t_MenuItemDelete(menu, index);
    }
  }
  // A trailing separator (an item without a title) is left over by the removals.
  for (const char* menu : {"Bearbeiten", "Edit"})
    if (t_MenuItemTitle(menu, lastposition).empty()) t_MenuItemDelete(menu, lastposition);
}

void prunewindowmenus() {
  const char* unwanted[] = {"Tile Window to Left of Screen", "Tile Window to Right of Screen",
                            "Vollbildmodus"};
  for (const char* title : unwanted) {
    for (const char* menu : {"Fenster", "Window"}) {
      const int64_t index = t_MenuItemIndex(menu, title);
      if (index < 0) continue;
      log(std::string("*** Found ") + menu + " Menu Item " + title);
      t_MenuItemDelete(menu, index);
    }
  }
}

}  // namespace

void menusetup() {
  registerbuiltinactions();
  pruneeditmenus();
  prunewindowmenus();
}

}  // namespace vx
