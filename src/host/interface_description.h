#pragma once
// The application's interface, described once for every host: the menu bar
// (menus, item titles, tags and key equivalents) and the special windows with
// their initial frames. The headless and the desktop host both build from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/host_events.h"
#include "runtime/types.h"

namespace vx {

enum class MenuRole {
  Handler,         // goes to the delegate's menu handler
  Quit,            // ends the application
  About,           // goes to the menu handler, and the host shows its About box
  ZoomToFit,       // the key window's picture shown whole (a host's own view command)
  ZoomActualSize,  // the key window's picture at 1:1
};

struct MenuItemDescription {
  std::string title;  // empty for a separator
  int64_t tag = 0;
  std::string keyEquivalent;  // lower case; shift is named in the modifiers
  uint64_t keyModifiers = 0;  // host modifier bits (host_events.h)
  MenuRole role = MenuRole::Handler;
  bool separator() const { return title.empty(); }
};

struct MenuDescription {
  std::string title;
  std::vector<MenuItemDescription> items;
};


// The program's name as its menus and main window show it: the application
// menu's title, "<name> beenden" and "Über <name>". A host reads it when it
// builds its interface, so a program names itself before its host starts
// (the desktop host takes it from the program's About text). Until then it is
// the running executable's file name.
void setapplicationname(std::string name);
std::string applicationname();

// The menu bar for the current application name.
std::vector<MenuDescription> menubardescription();
// The menu "Darstellung": the picture shown whole or at 1:1. Every window
// that shows a picture in the desktop's picture view offers it alike.
MenuDescription viewmenudescription();

// Geometry shared by the hosts.
constexpr double HeadlessTitleBarHeight = 28;  // the headless host's title bar
constexpr double TextWindowMargin = 10;        // pasteboard text inside its window

struct SpecialWindowDescription {
  std::string title;
  double width;   // content size in points
  double height;
  bool hasTextView;
  bool hasRuler;
};

class AppDelegate;

// Where a host puts the interface objects it makes for one special window.
struct SpecialWindowOutlets {
  SpecialWindowDescription description;
  std::optional<HostWindow>* window;
  std::optional<HostView>* scrollView;  // the text view's scroll view (if it has one)
  std::optional<HostView>* textView;
  std::optional<HostView>* ruler;  // null when the window has no ruler
};

// The pasteboard, virtual printer, system console, preferences and main
// window, in the order the hosts build them.
std::vector<SpecialWindowOutlets> specialwindowoutlets(AppDelegate& delegate);

const SpecialWindowDescription& pasteboardwindowdescription();
const SpecialWindowDescription& virtualprinterwindowdescription();
const SpecialWindowDescription& systemconsolewindowdescription();
const SpecialWindowDescription& preferenceswindowdescription();
SpecialWindowDescription mainwindowdescription();  // titled with the application name
std::string slotwindowtitle(int slot);

}  // namespace vx
