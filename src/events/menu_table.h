#pragma once
// What the toolkit keeps about the host menus: the record of a menu selection
// and its queue, the registered menu actions, the two procedures a program may
// install, and the calls that find, read and remove host menu items.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/guarded.h"

namespace vx {

struct t_MenuEvent {
  int64_t Kind = 0;  // 3: the item belongs to a menu; 0: the sender had no menu
  std::string MenuTitle;
  std::string ItemTitle;
  std::string ItemKeyChar;
  uint64_t ItemKeyMods = 0;
  int64_t ItemKeyAsc = 0;
  int64_t ItemAction = 0;  // the item's tag
  int64_t Time = 0;        // ms of the host clock
};

struct t_MenuAction {
  int64_t Tag = 0;
  int64_t Action = 0;
  std::string Title;
  std::string Note;
  std::string FileName;
  std::string FileTypes;  // extensions separated by ","
  std::string FilePath;
};

using Procedure = std::function<void()>;

extern GuardedList<t_MenuAction>& MenuActionTable;
extern GuardedList<t_MenuEvent>& MenuEventQueue;
extern std::atomic<bool> MenuEventPending;
extern Guarded<Procedure>& MenuEventProcedure;  // default: does nothing
extern Guarded<Procedure>& MenuSaveProcedure;   // default: t_Beep

void t_AddMenuAction(int64_t code);
int64_t t_MenuActionIndex(int64_t tag);
// 0-based index of the first item titled `item`; -1 none; -2 no such menu.
int64_t t_MenuItemIndex(const std::string& menu, const std::string& item);
// Position 65535 names the last item.
void t_MenuItemDelete(const std::string& menu, int64_t position);

// An item of a menu that a program adds. Choosing it appends a t_MenuEvent
// with the item's tag to MenuEventQueue; a tag that MenuActionTable holds
// runs that action, any other starts MenuEventProcedure. `Key` is an
// optional key equivalent, one lower-case letter (Ctrl+Shift+letter on the
// desktop). An empty title makes a separator.
struct t_MenuItem {
  std::string Title;
  int64_t Tag = 0;
  std::string Key;
};
// Adds the program's own menu `title` before the window menu, or appends the
// items to the menu of that title when the bar has one. A key that an item
// of the bar already carries is left off its item, with a diagnostic line.
void t_AddMenu(const std::string& title, const std::vector<t_MenuItem>& items);
std::string t_MenuItemTitle(const std::string& menu, int64_t position);

// Start-up: registers the 37 built-in actions and removes the host menu items
// the toolkit does not want. Run once by t_InitMemory.
void menusetup();

}  // namespace vx
