#pragma once
// The action codes of the toolkit's built-in menu commands. The menu bar tags
// its items with them, start-up registers them and the menu handler carries
// them out; a program may register codes of its own beside them.
#include <cstdint>

namespace vx {

constexpr int64_t MenuActionOpenFile = 100;  // open panel; the chosen file goes into the entry
constexpr int64_t MenuActionSaveFile = 101;  // save panel; the chosen file goes into the entry

constexpr int64_t MenuActionCopyGraphic = 110;  // the front window's picture to the pasteboard
constexpr int64_t MenuActionCopyText = 111;     // the front window's text to the pasteboard
constexpr int64_t MenuActionClearPrinter = 112;
constexpr int64_t MenuActionSave = 113;  // the program's save procedure for the front window
constexpr int64_t MenuActionClearConsole = 114;

constexpr int64_t MenuActionHideAll = 200;
constexpr int64_t MenuActionHideFront = 201;
constexpr int64_t MenuActionShowMain = 205;
constexpr int64_t MenuActionHideMain = 206;
constexpr int64_t MenuActionShowPreferences = 207;
constexpr int64_t MenuActionHidePreferences = 208;
constexpr int64_t MenuActionShowPrinter = 209;
constexpr int64_t MenuActionHidePrinter = 210;
constexpr int64_t MenuActionShowPasteboard = 211;
constexpr int64_t MenuActionHidePasteboard = 212;
constexpr int64_t MenuActionShowConsole = 229;
constexpr int64_t MenuActionHideConsole = 230;

// Each of the eight window slots has a show and a hide command: 213 + 2n and
// 214 + 2n for slot n.
constexpr int64_t MenuActionShowSlot0 = 213;
constexpr int64_t menuactionshowslot(int64_t slot) { return MenuActionShowSlot0 + 2 * slot; }
constexpr int64_t menuactionhideslot(int64_t slot) { return menuactionshowslot(slot) + 1; }
constexpr bool isslotmenuaction(int64_t action) {
  return action >= menuactionshowslot(0) && action <= menuactionhideslot(7);
}
// The slot a slot command names, and whether it hides the slot.
constexpr int64_t menuactionslot(int64_t action) { return (action - MenuActionShowSlot0) / 2; }
constexpr bool menuactionhides(int64_t action) { return (action - MenuActionShowSlot0) % 2 == 1; }

// The codes start-up registers, the command codes and the window codes.
constexpr int64_t FirstCommandMenuAction = MenuActionCopyGraphic;
constexpr int64_t LastCommandMenuAction = MenuActionClearConsole;
constexpr int64_t FirstWindowMenuAction = MenuActionHideAll;
constexpr int64_t LastWindowMenuAction = 231;

}  // namespace vx
