// Strichliste: a text window and a menu of the program's own. Each choice of
// "Zählen" -> "Strich machen" adds a stroke to the tally, in groups of
// five, and the window's title gives the count.
#include "program.h"

#include <string>

#include <vxtools.h>

namespace strichliste {

namespace {

using namespace vx;

constexpr uint8_t Window = 0;
constexpr int64_t StrokeTag = 1001;  // the tag that the menu item's choices carry

// Waits until the menu event queue holds an event after the first `seen`
// ones and answers its tag.
int64_t nextchoice(int64_t& seen) {
  while (MenuEventQueue.size() <= seen) sleepmilliseconds(10);
  return MenuEventQueue.at(seen++)->ItemAction;
}

}  // namespace

void program() {
  t_InitWindow(Window, 24, 40, 8, 16, "MenloRegular 16x32.font");
  t_WindowCenter(Window);
  t_WindowFront(Window);
  // Only choices made from now on count: the menu exists from here.
  int64_t seen = MenuEventQueue.size();
  t_AddMenu("Zählen", {{"Strich machen", StrokeTag, "m"}});
  t_Print(Window, "Wählen Sie \"Zählen\" ->");
  t_Cr(Window);
  t_Print(Window, "\"Strich machen\" (Strg+Umschalt+M).");
  t_Cr(Window);
  t_Cr(Window);
  int64_t strokes = 0;
  for (;;) {
    if (nextchoice(seen) != StrokeTag) continue;
    ++strokes;
    t_Print(Window, strokes % 5 == 0 ? "| " : "|");
    t_WindowTitle(Window, "Strichliste: " + inttostring(strokes, 32, 1, true));
  }
}

}  // namespace strichliste
