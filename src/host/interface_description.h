#pragma once
/// \file
/// The application's interface, described once for every host: the menu bar
/// (menus, item titles, tags and key equivalents) and the special windows with
/// their initial frames. The headless and the desktop host both build from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/host_events.h"
#include "runtime/types.h"

namespace vx {

/// What choosing a menu item does.
enum class MenuRole {
  Handler,         ///< goes to the toolkit's menu handling (t_MenuEvent)
  Quit,            ///< ends the application
  About,           ///< goes to the menu handling, and the host shows its About box
  ZoomToFit,       ///< the key window's picture shown whole (a host's own view command)
  ZoomActualSize,  ///< the key window's picture at 1:1
};

/// One item of a menu as every host builds it.
struct MenuItemDescription {
  std::string title;  ///< empty for a separator
  int64_t tag = 0;  ///< the number that names the item's command
  std::string keyEquivalent;  ///< lower case; shift is named in the modifiers
  uint64_t keyModifiers = 0;  ///< host modifier bits (host_events.h)
  MenuRole role = MenuRole::Handler;  ///< what choosing the item does
  bool separator() const { return title.empty(); }  ///< whether the item is a separator
};

/// One menu of the menu bar.
struct MenuDescription {
  std::string title;  ///< the title in the menu bar
  std::vector<MenuItemDescription> items;  ///< its items, top to bottom
};


/// Names the program as its menus and main window show it: the application
/// menu's title, "Über <name>" and "<name> beenden". A host reads the name
/// when it builds its interface, so a program names itself before its host
/// starts (the desktop host takes it from the program's AboutText). An empty
/// name stands for the default.
void setapplicationname(std::string name);
/// The program's name as set, or by default the running executable's file name.
std::string applicationname();

/// The menu bar for the current application name, menu by menu, left to right.
std::vector<MenuDescription> menubardescription();
/// The menu "Darstellung": the picture shown whole or at 1:1. Every window
/// that shows a picture in the desktop's picture view offers it alike.
MenuDescription viewmenudescription();

// Geometry shared by the hosts.
constexpr double HeadlessTitleBarHeight = 28;  ///< the headless host's title bar, in points
constexpr double TextWindowMargin = 10;        ///< points around the text inside the pasteboard window

/// One of the fixed windows (pasteboard, virtual printer, system console,
/// preferences, main window) as every host builds it.
struct SpecialWindowDescription {
  std::string title;  ///< the title bar's text
  double width;   ///< content width in points
  double height;  ///< content height in points
  bool hasTextView;  ///< a scrolling text view fills the window
  bool hasRuler;  ///< a ruler above the text view
};

class AppDelegate;

/// Where a host puts the interface objects it makes for one special window.
struct SpecialWindowOutlets {
  SpecialWindowDescription description;  ///< the window to build
  std::optional<HostWindow>* window;  ///< receives the window
  std::optional<HostView>* scrollView;  ///< the text view's scroll view (if it has one)
  std::optional<HostView>* textView;  ///< receives the text view (if it has one)
  std::optional<HostView>* ruler;  ///< null when the window has no ruler
};

/// The pasteboard, virtual printer, system console, preferences and main
/// window, in the order the hosts build them.
std::vector<SpecialWindowOutlets> specialwindowoutlets(AppDelegate& delegate);

/// The pasteboard window (number 8).
const SpecialWindowDescription& pasteboardwindowdescription();
/// The virtual printer window (number 9).
const SpecialWindowDescription& virtualprinterwindowdescription();
/// The system console window (number 10).
const SpecialWindowDescription& systemconsolewindowdescription();
/// The preferences window (number 11).
const SpecialWindowDescription& preferenceswindowdescription();
/// The application's main window (number 12), titled with the application name.
SpecialWindowDescription mainwindowdescription();
/// The title a slot's host window has before its program names it.
std::string slotwindowtitle(int slot);

}  // namespace vx
