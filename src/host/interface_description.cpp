#include "host/interface_description.h"

#include <mutex>

#include "host/bundle.h"
#include "host/menu_actions.h"
#include "runtime/app_delegate.h"

namespace vx {

namespace {

struct ApplicationName {
  std::mutex mutex;
  std::string name;
  bool set = false;
};

ApplicationName& storedname() {
  static auto* stored = new ApplicationName;  // read by hosts until the process ends
  return *stored;
}

MenuItemDescription item(std::string title, int64_t tag, std::string key = {},
                         uint64_t modifiers = CommandModifier) {
  const uint64_t mask = key.empty() ? 0 : modifiers;
  return {std::move(title), tag, std::move(key), mask, MenuRole::Handler};
}

MenuItemDescription separator() { return {}; }

std::vector<MenuItemDescription> windowmenuitems() {
  std::vector<MenuItemDescription> items = {
      item("Alle Fenster ausblenden", MenuActionHideAll),
      item("Vorderes Fenster ausblenden", MenuActionHideFront, "w"),
      separator(),
  };
  for (int n = 0; n < 8; ++n) {
    items.push_back(item("Fenster " + std::to_string(n) + " zeigen", menuactionshowslot(n)));
    items.push_back(item("Fenster " + std::to_string(n) + " ausblenden", menuactionhideslot(n)));
  }
  items.push_back(separator());
  items.push_back(item("Zwischenablage zeigen", MenuActionShowPasteboard));
  items.push_back(item("Zwischenablage ausblenden", MenuActionHidePasteboard));
  items.push_back(item("Drucker zeigen", MenuActionShowPrinter));
  items.push_back(item("Drucker ausblenden", MenuActionHidePrinter));
  items.push_back(item("Systemkonsole zeigen", MenuActionShowConsole));
  items.push_back(item("Systemkonsole ausblenden", MenuActionHideConsole));
  items.push_back(item("Hauptfenster zeigen", MenuActionShowMain));
  items.push_back(item("Hauptfenster ausblenden", MenuActionHideMain));
  return items;
}

std::vector<MenuDescription> buildmenubar(const std::string& name) {
  MenuItemDescription quit = item(name + " beenden", 0, "q");
  quit.role = MenuRole::Quit;
  MenuItemDescription about = item("Über " + name, 0);
  about.role = MenuRole::About;
  return {
      {name,
       {about, separator(), item("Einstellungen …", MenuActionShowPreferences, ","),
        separator(), quit}},
      {"Ablage",
       {item("Grafik sichern …", MenuActionSave, "s"), separator(),
        item("Drucker leeren", MenuActionClearPrinter), item("Systemkonsole leeren", MenuActionClearConsole)}},
      {"Bearbeiten",
       {item("Grafik kopieren", MenuActionCopyGraphic, "c"), item("Text kopieren", MenuActionCopyText, "t")}},
      viewmenudescription(),
      {"Fenster", windowmenuitems()},
  };
}

}  // namespace

MenuDescription viewmenudescription() {
  MenuItemDescription fit = item("Grafik einpassen", 0, "e");
  fit.role = MenuRole::ZoomToFit;
  MenuItemDescription actual = item("Originalgröße (1:1)", 0, "g");
  actual.role = MenuRole::ZoomActualSize;
  return {"Darstellung", {fit, actual}};
}

void setapplicationname(std::string name) {
  ApplicationName& stored = storedname();
  std::lock_guard lock(stored.mutex);
  stored.name = std::move(name);
  stored.set = true;
}

std::string applicationname() {
  ApplicationName& stored = storedname();
  std::lock_guard lock(stored.mutex);
  if (!stored.set || stored.name.empty()) return executablename();
  return stored.name;
}

std::vector<MenuDescription> menubardescription() { return buildmenubar(applicationname()); }

const SpecialWindowDescription& pasteboardwindowdescription() {
  static const SpecialWindowDescription d{"Zwischenablage", 560, 360, true, false};
  return d;
}
const SpecialWindowDescription& virtualprinterwindowdescription() {
  static const SpecialWindowDescription d{"Drucker", 640, 480, true, true};
  return d;
}
const SpecialWindowDescription& systemconsolewindowdescription() {
  static const SpecialWindowDescription d{"Systemkonsole", 640, 480, true, true};
  return d;
}
const SpecialWindowDescription& preferenceswindowdescription() {
  static const SpecialWindowDescription d{"Einstellungen", 420, 240, false, false};
  return d;
}
SpecialWindowDescription mainwindowdescription() {
  return {applicationname(), 480, 320, false, false};
}

std::vector<SpecialWindowOutlets> specialwindowoutlets(AppDelegate& a) {
  return {
      {pasteboardwindowdescription(), &a.PasteboardWindow, &a.PasteboardScrollView,
       &a.PasteboardTextView, nullptr},
      {virtualprinterwindowdescription(), &a.VirtualPrinterWindow, &a.VirtualPrinterScrollView,
       &a.VirtualPrinterTextView, &a.VirtualPrinterRuler},
      {systemconsolewindowdescription(), &a.SystemConsoleWindow, &a.SystemConsoleScrollView,
       &a.SystemConsoleTextView, &a.SystemConsoleRuler},
      {preferenceswindowdescription(), &a.PreferencesWindow, nullptr, nullptr, nullptr},
      {mainwindowdescription(), &a.MainWindow, nullptr, nullptr, nullptr},
  };
}

std::string slotwindowtitle(int slot) { return "Fenster " + std::to_string(slot); }

}  // namespace vx
