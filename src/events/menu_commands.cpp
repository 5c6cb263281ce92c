#include "events/menu_commands.h"

#include <array>

#include "codecs/file_panels.h"
#include "console/screen_text.h"
#include "host/busy_scope.h"
#include "host/host.h"
#include "host/main_thread.h"
#include "host/menu_actions.h"
#include "runtime/app_delegate.h"
#include "runtime/beep.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/utf8.h"
#include "windows/window_image.h"
#include "windows/window_placement.h"

namespace vx {

Guarded<std::vector<uint8_t>>& VirtualPrinterBuffer = *new Guarded<std::vector<uint8_t>>;
Guarded<std::vector<uint8_t>>& SystemConsoleBuffer = *new Guarded<std::vector<uint8_t>>;

std::string pasteboardtext(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : utf8toscalars(text)) {
    switch (c) {
      case 127: case 129: out += '#'; break;
      case 128: out += '*'; break;
      case 130: out += '<'; break;
      case 131: case 159: out += '='; break;
      case 132: out += '>'; break;
      case 133: out += 'O'; break;
      case 134: case 135: case 136: case 137: case 158: out += '+'; break;
      case 138: case 139: case 157: out += '|'; break;
      // 156 is the fonts' horizontal line (the line-drawing call prints it),
      // so it reads as "-", not as a vertical bar.
      case 140: case 141: case 154: case 155: case 156: out += '-'; break;
      case 160: appendscalar(out, 0x02FD); break;
      default:
        if (c >= 142 && c <= 153) {
          out += '+';
        } else {
          appendscalar(out, c);
        }
    }
  }
  return out;
}

namespace {

// The text views of the virtual printer and the system console.
struct TextWindow {
  std::optional<HostView> AppDelegate::*view;
  Guarded<std::vector<uint8_t>>* buffer;
  const char* missing;
};

const TextWindow printer{&AppDelegate::VirtualPrinterTextView, &VirtualPrinterBuffer,
                         "t_MenuEventHandler: Virtual printer window is nil, resource undefined."};
const TextWindow console{&AppDelegate::SystemConsoleTextView, &SystemConsoleBuffer,
                         "t_MenuEventHandler: System console window is nil, resource undefined."};

void putonpasteboard(const std::string& text) {
  Host& h = host();
  h.pasteboardClear();
  h.pasteboardSetString(text);
}

// The picture goes to the pasteboard as it is stored, so that the host can
// keep a large one-bit picture compact instead of as 32-bit pixels.
void copyimage() {
  const BusyScope busy;
  const uint8_t front = t_FrontWindow();
  if (front < 8 && t_GetWindowView(front) && withwindowpicture(front, [](const StoredPicture& picture) {
        host().pasteboardClear();
        host().pasteboardSetPicture(picture);
      }))
    return;
  t_Beep();
}

void copytextview(const TextWindow& window) {
  const auto view = appdelegate.*window.view;
  if (!view) {
    log(window.missing);
    t_Beep();
    return;
  }
  putonpasteboard(host().textViewString(*view));
}

void copytext() {
  const BusyScope busy;
  const uint8_t front = t_FrontWindow();
  if (front < 8) {
    putonpasteboard(pasteboardtext(t_GetScreen(front, "\r")));
  } else if (front == SystemConsoleWindowNumber) {
    copytextview(console);
  } else if (front == VirtualPrinterWindowNumber) {
    copytextview(printer);
  } else {
    t_Beep();
  }
}

void cleartextwindow(const TextWindow& window) {
  const auto view = appdelegate.*window.view;
  if (!view) {
    log(window.missing);
    t_Beep();
    return;
  }
  window.buffer->set({});
  onmainthread([view] {
    host().setTextViewString(*view, "");
    host().setNeedsDisplay(*view);
  });
}

void save() {
  if (t_FrontWindow() < 8) {
    const Procedure procedure = MenuSaveProcedure.get();
    onmainthread([&] { procedure(); });
  } else {
    t_Beep();
  }
}

void showorhideslot(int64_t action) {
  const auto n = static_cast<uint8_t>(menuactionslot(action));
  if (!MemoryReady || !WindowTable[n].Initialized) {
    log("t_MenuEventHandler: Window #" + std::to_string(n) + " not initialized.");
    t_Beep();
    return;
  }
  if (menuactionhides(action)) {
    t_WindowVisible(n, false);
  } else {
    t_WindowFront(n);
  }
}

void choosefile(t_MenuAction& entry, bool saving) {
  const std::string path =
      saving ? t_SavePanel(entry.FileName, entry.Title, entry.Note, entry.FileTypes)
             : t_OpenPanel(entry.Title, entry.Note, entry.FileTypes, true, false);
  entry.FilePath = path;
  const size_t slash = path.rfind('/');
  entry.FileName = slash == std::string::npos ? path : path.substr(slash + 1);
}

// The show and hide commands of the special windows.
struct SpecialWindowCommand {
  int64_t show;
  int64_t hide;
  uint8_t window;
};

constexpr std::array<SpecialWindowCommand, 5> SpecialWindowCommands{{
    {MenuActionShowMain, MenuActionHideMain, MainWindowNumber},
    {MenuActionShowPreferences, MenuActionHidePreferences, PreferencesWindowNumber},
    {MenuActionShowPrinter, MenuActionHidePrinter, VirtualPrinterWindowNumber},
    {MenuActionShowPasteboard, MenuActionHidePasteboard, PasteboardWindowNumber},
    {MenuActionShowConsole, MenuActionHideConsole, SystemConsoleWindowNumber},
}};

// Shows or hides a special window; false when `action` is no such command.
bool showorhidespecialwindow(int64_t action) {
  for (const SpecialWindowCommand& command : SpecialWindowCommands) {
    if (action == command.show) {
      t_WindowFront(command.window);
      return true;
    }
    if (action == command.hide) {
      t_WindowVisible(command.window, false);
      return true;
    }
  }
  return false;
}

}  // namespace

void runmenucommand(t_MenuAction& entry) {
  const int64_t action = entry.Action;
  switch (action) {
    case MenuActionOpenFile: choosefile(entry, false); return;
    case MenuActionSaveFile: choosefile(entry, true); return;
    case MenuActionCopyGraphic: copyimage(); return;
    case MenuActionCopyText: copytext(); return;
    case MenuActionClearPrinter: cleartextwindow(printer); return;
    case MenuActionSave: save(); return;
    case MenuActionClearConsole: cleartextwindow(console); return;
    case MenuActionHideAll:
      for (uint8_t n = 0; n <= MainWindowNumber; ++n) t_WindowVisible(n, false);
      return;
    case MenuActionHideFront: t_WindowVisible(t_FrontWindow(), false); return;
    default:
      if (showorhidespecialwindow(action)) return;
      if (isslotmenuaction(action)) showorhideslot(action);
      // Every other code (202-204, 231, a program's own) does nothing.
      return;
  }
}

void ButtonHandler() {}

}  // namespace vx
