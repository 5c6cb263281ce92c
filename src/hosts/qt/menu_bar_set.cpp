#include "hosts/qt/menu_bar_set.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>

#include "hosts/qt/menu_bar_style.h"

namespace vx::qt {

namespace {

MenuItemInfo info(const MenuItemDescription& item) {
  return {item.title, item.tag, item.keyEquivalent, item.keyModifiers, item.separator()};
}

// The titles as the bars show them, each with an Alt mnemonic: the first
// letter of the title that no title before it took (a literal "&" doubled).
std::vector<QString> mnemonictitles(const std::vector<MenuDescription>& menus) {
  std::vector<QString> shown;
  QString taken;
  for (const MenuDescription& m : menus) {
    const QString title = QString::fromStdString(m.title);
    QString text;
    bool marked = false;
    for (const QChar c : title) {
      if (!marked && c.isLetter() && !taken.contains(c.toLower())) {
        text += '&';
        taken += c.toLower();
        marked = true;
      }
      text += c == '&' ? QStringLiteral("&&") : QString(c);
    }
    shown.push_back(text);
  }
  return shown;
}

}  // namespace

// This desktop has no command key, and plain Ctrl-letters belong to the
// program (Ctrl-S pauses the output, Ctrl-L copies the input line), so the
// command key of the key equivalents is Ctrl+Shift; the host's control key
// becomes Meta.
QKeySequence menushortcut(const MenuItemDescription& item) {
  if (item.keyEquivalent.empty()) return {};
  QString text;
  if (item.keyModifiers & CommandModifier) text += "Ctrl+";
  if (item.keyModifiers & ControlModifier) text += "Meta+";
  if (item.keyModifiers & OptionModifier) text += "Alt+";
  if (item.keyModifiers & (ShiftModifier | CommandModifier)) text += "Shift+";
  text += QString::fromStdString(item.keyEquivalent).toUpper();
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

MenuBarSet::MenuBarSet(const std::vector<MenuDescription>& menus, Chooser chooser)
    : menus_(menus), chooser_(std::move(chooser)) {}

QAction* MenuBarSet::makeaction(QMenu* menu, const MenuItemDescription& item,
                                const std::string& title) {
  if (item.separator()) return menu->addSeparator();
  QAction* action = menu->addAction(QString::fromStdString(item.title));
  action->setShortcut(menushortcut(item));
  action->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(action, &QAction::triggered, [this, item, title] {
    chooser_(info(item), title, item.role);
  });
  return action;
}

void MenuBarSet::attach(QMainWindow* window) {
  Bar bar{window, {}};
  QMenuBar* menubar = window->menuBar();
  menubar->setStyle(menubarstyle());
  const std::vector<QString> titles = mnemonictitles(menus_);
  for (size_t i = 0; i < menus_.size(); ++i) {
    QMenu* menu = menubar->addMenu(titles[i]);
    for (const MenuItemDescription& item : menus_[i].items) makeaction(menu, item, menus_[i].title);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
      for (const Bar& b : bars_)
        for (size_t m = 0; m < b.menus.size(); ++m)
          if (b.menus[m] == menu) refreshmenu(static_cast<int>(m), menu);
    });
    bar.menus.push_back(menu);
  }
  addopenkey(window, bar);
  bars_.push_back(std::move(bar));
}

// F10 opens the first menu of the window's bar with its first item chosen,
// as the Alt mnemonics do, so that Return takes that item.
void MenuBarSet::addopenkey(QMainWindow* window, const Bar& bar) {
  if (bar.menus.empty()) return;
  auto* open = new QAction(window);
  open->setShortcut(Qt::Key_F10);
  open->setShortcutContext(Qt::WindowShortcut);
  window->addAction(open);
  QMenu* first = bar.menus.front();
  QObject::connect(open, &QAction::triggered, window, [window, first] {
    QMenuBar* menubar = window->menuBar();
    if (!menubar->isVisible()) return;
    menubar->setActiveAction(first->menuAction());
    for (QAction* item : first->actions()) {
      if (item->isSeparator() || !item->isEnabled()) continue;
      first->setActiveAction(item);
      break;
    }
  });
}

// The model's items and a bar's actions stand in the same order.
void MenuBarSet::refreshmenu(int menu, QMenu* qmenu) const {
  if (!availability_) return;
  const auto& items = menus_[static_cast<size_t>(menu)].items;
  const QList<QAction*> actions = qmenu->actions();
  for (size_t i = 0; i < items.size() && i < static_cast<size_t>(actions.size()); ++i) {
    const MenuItemDescription& item = items[i];
    if (item.separator() || item.role != MenuRole::Handler || item.tag == 0) continue;
    actions[static_cast<qsizetype>(i)]->setEnabled(availability_(item.tag));
  }
}

void MenuBarSet::refresh() {
  for (const Bar& bar : bars_)
    for (size_t m = 0; m < bar.menus.size(); ++m) refreshmenu(static_cast<int>(m), bar.menus[m]);
}

bool MenuBarSet::ismenukey(const QKeySequence& keys) const {
  for (const MenuDescription& menu : menus_)
    for (const MenuItemDescription& item : menu.items)
      if (!item.keyEquivalent.empty() && menushortcut(item) == keys) return true;
  return false;
}

std::optional<int> MenuBarSet::find(const std::string& title) const {
  for (size_t i = 0; i < menus_.size(); ++i)
    if (menus_[i].title == title) return static_cast<int>(i);
  return std::nullopt;
}

std::vector<MenuItemInfo> MenuBarSet::items(int menu) const {
  if (menu < 0 || menu >= static_cast<int>(menus_.size())) return {};
  std::vector<MenuItemInfo> out;
  for (const MenuItemDescription& item : menus_[menu].items) out.push_back(info(item));
  return out;
}

void MenuBarSet::remove(int menu, int position) {
  if (menu < 0 || menu >= static_cast<int>(menus_.size())) return;
  auto& items = menus_[menu].items;
  if (position < 0 || position >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + position);
  for (Bar& bar : bars_) {
    QMenu* qmenu = bar.menus[menu];
    const QList<QAction*> actions = qmenu->actions();
    if (position < actions.size()) {
      QAction* gone = actions[position];
      qmenu->removeAction(gone);
      gone->deleteLater();
    }
  }
}

void MenuBarSet::add(const MenuDescription& added) {
  auto found = find(added.title);
  if (!found) {
    const int at = menus_.empty() ? 0 : static_cast<int>(menus_.size()) - 1;
    menus_.insert(menus_.begin() + at, MenuDescription{added.title, {}});
    const QString shown = mnemonictitles(menus_)[static_cast<size_t>(at)];
    for (Bar& bar : bars_) {
      QMenuBar* menubar = bar.window->menuBar();
      QMenu* before = bar.menus.empty() ? nullptr : bar.menus.back();
      QMenu* menu = new QMenu(shown, menubar);
      menubar->insertMenu(before ? before->menuAction() : nullptr, menu);
      bar.menus.insert(bar.menus.begin() + at, menu);
    }
    found = at;
  }
  for (const MenuItemDescription& item : added.items) {
    menus_[static_cast<size_t>(*found)].items.push_back(item);
    for (Bar& bar : bars_) makeaction(bar.menus[static_cast<size_t>(*found)], item, added.title);
  }
}

QAction* MenuBarSet::action(QMainWindow* window, const std::string& menu,
                            const std::string& item) const {
  const auto m = find(menu);
  if (!m) return nullptr;
  for (const Bar& bar : bars_) {
    if (bar.window != window) continue;
    for (QAction* a : bar.menus[*m]->actions())
      if (a->text().toStdString() == item) return a;
  }
  return nullptr;
}

}  // namespace vx::qt
