#include "events/menu_availability.h"

#include "events/menu_commands.h"
#include "events/menu_table.h"
#include "host/host.h"
#include "runtime/app_delegate.h"
#include "runtime/memory.h"

namespace vx {
namespace {

bool slotexists(int64_t slot) { return MemoryReady && WindowTable[slot].Initialized; }

// A slot window has text when it was made with text video memory; the
// printer and the console when their windows have a text view.
bool fronthastext() {
  const uint8_t front = t_FrontWindow();
  if (front < 8) return slotexists(front) && WindowTable[front].TextMemoryStart >= 0;
  if (front == SystemConsoleWindowNumber) return appdelegate.SystemConsoleTextView.has_value();
  if (front == VirtualPrinterWindowNumber) return appdelegate.VirtualPrinterTextView.has_value();
  return false;
}

// Clearing changes something only while the window shows or keeps text.
bool showstext(const std::optional<HostView>& view, const Guarded<std::vector<uint8_t>>& buffer) {
  if (!view) return false;
  return !buffer.get().empty() || !host().textViewString(*view).empty();
}

}  // namespace

bool menuitemavailable(int64_t tag) {
  const auto entry = MenuActionTable.at(t_MenuActionIndex(tag));
  if (!entry) return true;
  const int64_t action = entry->Action;
  switch (action) {
    case 111: return fronthastext();
    case 112: return showstext(appdelegate.VirtualPrinterTextView, VirtualPrinterBuffer);
    case 114: return showstext(appdelegate.SystemConsoleTextView, SystemConsoleBuffer);
    case 207: return false;
    default:
      if (action >= 213 && action <= 228) return slotexists((action - 213) / 2);
      return true;
  }
}

}  // namespace vx
