#pragma once
// What the web page shows, described by the web host for the page: its
// windows (where, how large, in which order, with which title, background and
// view) and its menus (items, key equivalents, whether each can be chosen).
// The host sends the description whenever it changes; the page lays out
// windows and menus from it alone. Built from the host's interface state, so
// it needs no browser and is tested natively.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/interface_description.h"
#include "hosts/headless/headless_host.h"

namespace vx::web {

// A menu as the page shows it (the view menu "Darstellung" among them, whose
// commands the page carries out itself).
struct PageMenu {
  std::string title;
  std::vector<MenuItemInfo> items;
  std::vector<MenuRole> roles;
};
std::vector<PageMenu> pagemenus(const HeadlessHost& host);

// The item the page names by its menu's and its own position; none for a
// position the menus do not have (the page may describe an older menu bar).
struct ChosenItem {
  MenuItemInfo item;
  std::string menutitle;
  MenuRole role = MenuRole::Handler;
};
std::optional<ChosenItem> pagemenuitem(const HeadlessHost& host, int menu, int item);

// The scene as JSON. `available` tells whether an item can be chosen now;
// `screentext` is the text window's screen at a prompt (for the page's text
// mirror, which screen readers read), empty otherwise.
std::string pagescene(const HeadlessHost& host, const std::function<bool(int64_t)>& available,
                      const std::string& screentext);

// A JSON string literal of UTF-8 text.
std::string jsonstring(const std::string& text);

}  // namespace vx::web
