#pragma once
/// \file
/// What the toolkit keeps about the host menus: the record of a menu selection
/// and its queue, the registered menu actions, the two procedures a program may
/// install, and the calls that find, read and remove host menu items.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "runtime/guarded.h"

namespace vx {

/// One menu selection, as MenuEventQueue keeps it. Every chosen item of the
/// menu bar is queued, whether or not it ran a built-in command; an item whose
/// tag names no registered action also starts MenuEventProcedure on a thread of
/// its own (named "t_EventMenu"), which is how a program runs menu commands of
/// its own.
struct t_MenuEvent {
  int64_t Kind = 0;  ///< 3: the item belongs to a menu; 0: the sender had no menu
  std::string MenuTitle;  ///< the title of the item's menu
  std::string ItemTitle;  ///< the item's title
  std::string ItemKeyChar;  ///< the item's key equivalent; may be empty
  uint64_t ItemKeyMods = 0;  ///< the modifier bits of the key equivalent
  int64_t ItemKeyAsc = 0;  ///< the first character of ItemKeyChar as a number; 0 if empty
  int64_t ItemAction = 0;  ///< the item's tag
  int64_t Time = 0;        ///< ms of the host clock
};

/// A registered menu action: the built-in command that an item tag runs.
struct t_MenuAction {
  int64_t Tag = 0;  ///< the menu item tag that selects the action
  int64_t Action = 0;  ///< the built-in command it runs
  std::string Title;  ///< the title of the open or save panel (commands 100 and 101)
  std::string Note;  ///< the panel's message (commands 100 and 101)
  std::string FileName;  ///< the save panel's proposed name; after a panel, the chosen file's name
  std::string FileTypes;  ///< extensions separated by ","
  std::string FilePath;  ///< after a panel, the chosen file's path (empty when cancelled)
};

/// A procedure a program installs (MenuEventProcedure, MenuSaveProcedure).
using Procedure = std::function<void()>;

/// The registered actions; a tag runs the first entry with that Tag.
extern GuardedList<t_MenuAction>& MenuActionTable;
/// Every menu selection, in order; the toolkit only appends.
extern GuardedList<t_MenuEvent>& MenuEventQueue;
/// Set at every append to MenuEventQueue; the toolkit never clears it.
extern std::atomic<bool> MenuEventPending;
extern Guarded<Procedure>& MenuEventProcedure;  ///< runs for an item without action; default: does nothing
extern Guarded<Procedure>& MenuSaveProcedure;   ///< runs for the save command (tag 113); default: t_Beep

void t_AddMenuAction(int64_t code);  ///< registers action `code` for the items tagged `code`
/// Index of the first registered action with `tag`; -1 for tag 0, an empty
/// table or no match.
int64_t t_MenuActionIndex(int64_t tag);
/// 0-based index of the first item of menu `menu` titled exactly `item`; -1
/// when there is none, -2 when the menu bar has no menu `menu` (after
/// "t_MenuItemIndex: Menu not found."). Menus are
/// found by title in the menu bar, on the main thread.
int64_t t_MenuItemIndex(const std::string& menu, const std::string& item);
/// Removes the item at 0-based `position` of menu `menu` (65535: the last
/// item). No such menu writes "t_MenuItemDelete: Menu not found.", no such
/// item "t_MenuItemDelete: Item position out of range"; nothing is removed.
void t_MenuItemDelete(const std::string& menu, int64_t position);
/// The title of the item at 0-based `position` of menu `menu` (65535: the
/// last item). Empty when there is no such menu or item, after the line
/// "t_MenuItemTitle: Menu not found." or "t_MenuItemTitle: Item position out of range".
std::string t_MenuItemTitle(const std::string& menu, int64_t position);

/// Start-up: registers the 37 built-in actions and removes the host menu items
/// the toolkit does not want. Run once by t_InitMemory.
void menusetup();

}  // namespace vx
