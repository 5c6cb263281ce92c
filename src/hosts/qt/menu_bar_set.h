#pragma once
// The application's menu bar, shown by every top-level window (each Qt main
// window has a bar of its own). One model is kept; every change to it, such
// as deleting an item, is made in all the bars alike. The bars show their
// titles with Alt mnemonics and open with F10; the model keeps the plain titles.
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/interface_description.h"

namespace vx::qt {

// The keys of an item's key equivalent on this desktop (Ctrl+Shift+letter).
QKeySequence menushortcut(const MenuItemDescription& item);

class MenuBarSet {
 public:
  using Chooser =
      std::function<void(const MenuItemInfo& item, const std::string& menuTitle, MenuRole role)>;

  using Availability = std::function<bool(int64_t tag)>;

  MenuBarSet(const std::vector<MenuDescription>& menus, Chooser chooser);

  // Which handler items can be chosen; asked for every item of a menu as it
  // opens, and for all of them on refresh(). Without it every item is enabled.
  void setavailability(Availability availability) { availability_ = std::move(availability); }
  void refresh();
  // Whether the keys are some item's key equivalent (enabled or not).
  bool ismenukey(const QKeySequence& keys) const;

  void attach(QMainWindow* window);

  std::optional<int> find(const std::string& title) const;
  std::vector<MenuItemInfo> items(int menu) const;
  void remove(int menu, int position);
  int count() const { return static_cast<int>(menus_.size()); }
  // Appends the items to the menu of that title, or inserts the menu before
  // the last one, in every bar.
  void add(const MenuDescription& menu);
  // The action of an item in one window's bar (for driving menus in tests).
  QAction* action(QMainWindow* window, const std::string& menu, const std::string& item) const;

 private:
  struct Bar {
    QMainWindow* window;
    std::vector<QMenu*> menus;
  };
  QAction* makeaction(QMenu* menu, const MenuItemDescription& item, const std::string& title);
  static void addopenkey(QMainWindow* window, const Bar& bar);
  void refreshmenu(int menu, QMenu* qmenu) const;

  std::vector<MenuDescription> menus_;
  std::vector<Bar> bars_;
  Chooser chooser_;
  Availability availability_;
};

}  // namespace vx::qt
