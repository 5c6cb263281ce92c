#include "hosts/headless/headless_host.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "host/bundle.h"
#include "host/slot_view.h"
#include "runtime/app_delegate.h"
#include "runtime/utf8.h"

namespace vx {

HeadlessHost::HeadlessHost()
    : mainthread_(std::this_thread::get_id()), bundlepath_(executablebundlepath()) {
  buildinterface();
}

// ---- The interface objects ------------------------------------------------

HostWindow HeadlessHost::addwindow(const std::string& title, double width, double height) {
  WindowState w;
  w.title = title;
  w.frame = {100, 100, width, height + HeadlessTitleBarHeight};
  windows_.push_back(w);
  return static_cast<HostWindow>(windows_.size() - 1);
}

HostView HeadlessHost::addview(HostWindow window, Rect frame, int slot, bool textview) {
  ViewState v;
  v.window = window;
  v.frame = frame;
  v.slot = slot;
  v.textView = textview;
  views_.push_back(v);
  return static_cast<HostView>(views_.size() - 1);
}

void HeadlessHost::buildspecialwindow(const SpecialWindowOutlets& o) {
  const SpecialWindowDescription& d = o.description;
  const HostWindow window = addwindow(d.title, d.width, d.height);
  *o.window = window;
  if (!d.hasTextView) return;
  const double m = TextWindowMargin;
  const Rect inner{m, m, d.width - 2 * m, d.height - 2 * m};
  *o.scrollView = addview(window, inner, -1, false);
  *o.textView = addview(window, {0, 0, inner.width, inner.height}, -1, true);
  if (d.hasRuler && o.ruler)
    *o.ruler = addview(window, {m, d.height - 19, d.width - 48, 19}, -1, false);
}

void HeadlessHost::buildinterface() {
  AppDelegate& a = appdelegate;
  for (int slot = 0; slot < 8; ++slot) {
    const HostWindow w = addwindow(slotwindowtitle(slot), 640, 480);
    a.setslotview(slot, addview(w, {0, 0, 640, 480}, slot, false));
  }
  for (const SpecialWindowOutlets& outlets : specialwindowoutlets(a)) buildspecialwindow(outlets);
  for (const MenuDescription& m : menubardescription()) {
    Menu menu{m.title, {}, {}};
    for (const MenuItemDescription& d : m.items) {
      menu.items.push_back({d.title, d.tag, d.keyEquivalent, d.keyModifiers, d.separator()});
      menu.roles.push_back(d.role);
    }
    menus_.push_back(std::move(menu));
  }
}

HeadlessHost::WindowState& HeadlessHost::windowref(HostWindow window) {
  const auto i = static_cast<size_t>(window);
  if (i >= windows_.size()) throw std::out_of_range("HeadlessHost: unknown window");
  return windows_[i];
}

HeadlessHost::ViewState& HeadlessHost::viewref(HostView view) {
  const auto i = static_cast<size_t>(view);
  if (i >= views_.size()) throw std::out_of_range("HeadlessHost: unknown view");
  return views_[i];
}

// ---- Threads and the task loop -------------------------------------------

bool HeadlessHost::isMainThread() const { return std::this_thread::get_id() == mainthread_; }

bool HeadlessHost::runOnMainSync(std::function<void()> task) {
  if (isMainThread()) {
    task();
    return true;
  }
  auto done = std::make_shared<bool>(false);
  std::unique_lock lock(tasksmutex_);
  if (shuttingdown_) return false;
  tasks_.push_back({std::move(task), done});
  taskschanged_.notify_all();
  taskschanged_.wait(lock, [&] { return *done || shuttingdown_; });
  return *done;
}

void HeadlessHost::runOnMainAsync(std::function<void()> task) {
  std::lock_guard lock(tasksmutex_);
  if (shuttingdown_) return;
  tasks_.push_back({std::move(task), nullptr});
  taskschanged_.notify_all();
}

int HeadlessHost::runpendingtasks() {
  int count = 0;
  for (;;) {
    Task task;
    {
      std::lock_guard lock(tasksmutex_);
      if (tasks_.empty() || shuttingdown_) return count;
      task = std::move(tasks_.front());
      tasks_.pop_front();
    }
    task.work();
    ++count;
    if (task.done) {
      std::lock_guard lock(tasksmutex_);
      *task.done = true;
      taskschanged_.notify_all();
    }
  }
}

bool HeadlessHost::pumpuntil(const std::function<bool()>& done,
                             std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    runpendingtasks();
    displaypendingviews();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    // Wake for new work at once; otherwise look at the condition again soon,
    // since it may depend on other threads' progress.
    std::unique_lock lock(tasksmutex_);
    taskschanged_.wait_for(lock, std::chrono::milliseconds(1),
                           [&] { return !tasks_.empty() || shuttingdown_; });
  }
}

bool HeadlessHost::waitforwork(std::chrono::milliseconds timeout) {
  std::unique_lock lock(tasksmutex_);
  return taskschanged_.wait_for(lock, timeout, [&] { return !tasks_.empty() || shuttingdown_; });
}

void HeadlessHost::displaypendingviews() {
  for (ViewState& v : views_)
    if (v.needsDisplay) drawview(v);
}

void HeadlessHost::shutdown() {
  std::lock_guard lock(tasksmutex_);
  shuttingdown_ = true;
  tasks_.clear();
  taskschanged_.notify_all();
}

bool HeadlessHost::shuttingdown() const {
  std::lock_guard lock(tasksmutex_);
  return shuttingdown_;
}

// ---- Windows ---------------------------------------------------------------

Rect HeadlessHost::windowFrame(HostWindow window) { return windowref(window).frame; }

void HeadlessHost::setWindowFrame(HostWindow window, Rect frame, bool) {
  windowref(window).frame = frame;
}

std::string HeadlessHost::windowTitle(HostWindow window) { return windowref(window).title; }

void HeadlessHost::setWindowTitle(HostWindow window, const std::string& title) {
  windowref(window).title = title;
}

void HeadlessHost::setWindowTitled(HostWindow window, bool titled) {
  windowref(window).titled = titled;
}

void HeadlessHost::orderFront(HostWindow window) { windowref(window).visible = true; }

void HeadlessHost::orderOut(HostWindow window) { windowref(window).visible = false; }

void HeadlessHost::makeKeyAndOrderFront(HostWindow window) {
  windowref(window).visible = true;
  std::erase(keyorder_, window);
  keyorder_.insert(keyorder_.begin(), window);
}

void HeadlessHost::centerWindow(HostWindow window) {
  Rect& f = windowref(window).frame;
  f.x = std::trunc((screen_.width - f.width) / 2);
  f.y = std::trunc((screen_.height - f.height) / 2);
}

void HeadlessHost::setWindowBackgroundColor(HostWindow window, t_RGBColor color) {
  windowref(window).background = color;
}

bool HeadlessHost::isWindowVisible(HostWindow window) { return windowref(window).visible; }

Size HeadlessHost::screenSize(HostWindow) { return screen_; }

std::optional<HostWindow> HeadlessHost::mainWindow() {
  for (HostWindow w : keyorder_)
    if (windowref(w).visible) return w;
  return std::nullopt;
}

// ---- Views -----------------------------------------------------------------

std::optional<HostWindow> HeadlessHost::viewWindow(HostView view) { return viewref(view).window; }

Rect HeadlessHost::viewFrame(HostView view) { return viewref(view).frame; }

void HeadlessHost::setViewFrame(HostView view, Rect frame) { viewref(view).frame = frame; }

void HeadlessHost::setNeedsDisplay(HostView view) { viewref(view).needsDisplay = true; }

void HeadlessHost::displayNow(HostView view) { drawview(viewref(view)); }

void HeadlessHost::drawview(ViewState& view) {
  view.needsDisplay = false;
  ++view.displayCount;
  if (view.slot >= 0) {
    if (auto image = slotviewimage(view.slot)) view.image = std::move(image);
  }
}

std::string HeadlessHost::textViewString(HostView view) { return viewref(view).text; }

void HeadlessHost::setTextViewString(HostView view, const std::string& text) {
  viewref(view).text = text;
}

void HeadlessHost::preparePlainTextView(HostView view) { viewref(view).plainText = true; }

// ---- Menus -----------------------------------------------------------------

std::optional<int> HeadlessHost::findMenu(const std::string& title) {
  for (size_t i = 0; i < menus_.size(); ++i)
    if (menus_[i].title == title) return static_cast<int>(i);
  return std::nullopt;
}

std::vector<MenuItemInfo> HeadlessHost::menuItems(int menu) {
  if (menu < 0 || menu >= static_cast<int>(menus_.size())) return {};
  return menus_[menu].items;
}

void HeadlessHost::deleteMenuItem(int menu, int position) {
  if (menu < 0 || menu >= static_cast<int>(menus_.size())) return;
  Menu& m = menus_[menu];
  if (position < 0 || position >= static_cast<int>(m.items.size())) return;
  m.items.erase(m.items.begin() + position);
  m.roles.erase(m.roles.begin() + position);
}

void HeadlessHost::addMenu(const MenuDescription& added) {
  auto found = findMenu(added.title);
  if (!found) {
    const auto before = menus_.empty() ? menus_.end() : menus_.end() - 1;
    found = static_cast<int>(menus_.insert(before, Menu{added.title, {}, {}}) - menus_.begin());
  }
  Menu& menu = menus_[*found];
  for (const MenuItemDescription& d : added.items) {
    menu.items.push_back({d.title, d.tag, d.keyEquivalent, d.keyModifiers, d.separator()});
    menu.roles.push_back(d.role);
  }
}

std::vector<HeadlessHost::Menu> HeadlessHost::menus() const { return menus_; }

std::optional<MenuItemInfo> HeadlessHost::menuitem(const std::string& menu,
                                                   const std::string& item) const {
  for (const Menu& m : menus_) {
    if (m.title != menu) continue;
    for (const MenuItemInfo& i : m.items)
      if (i.title == item) return i;
  }
  return std::nullopt;
}

// ---- Pasteboard ------------------------------------------------------------

void HeadlessHost::pasteboardClear() {
  pasteboardtext_.reset();
  pasteboardimage_.reset();
}

void HeadlessHost::pasteboardSetString(const std::string& text) { pasteboardtext_ = text; }

void HeadlessHost::pasteboardSetImage(const HostImage& image) { pasteboardimage_ = image; }

void HeadlessHost::pasteboardSetPicture(const StoredPicture& picture) {
  pasteboardimage_ = storedpictureimage(picture);
}

std::optional<std::string> HeadlessHost::pasteboardString() { return pasteboardtext_; }

std::optional<HostImage> HeadlessHost::pasteboardimage() const { return pasteboardimage_; }

// ---- Panels ----------------------------------------------------------------

void HeadlessHost::scriptopenpanel(std::vector<std::string> urls) {
  openanswers_.push_back(std::move(urls));
}

void HeadlessHost::scriptsavepanel(std::optional<std::string> url) {
  saveanswers_.push_back(std::move(url));
}

std::optional<OpenPanelRequest> HeadlessHost::lastopenrequest() const { return lastopen_; }
std::optional<SavePanelRequest> HeadlessHost::lastsaverequest() const { return lastsave_; }

std::vector<std::string> HeadlessHost::runOpenPanel(const OpenPanelRequest& request) {
  lastopen_ = request;
  busyatlastpanel_ = busy();
  if (openanswers_.empty()) return {};
  std::vector<std::string> answer = std::move(openanswers_.front());
  openanswers_.pop_front();
  return answer;
}

std::optional<std::string> HeadlessHost::runSavePanel(const SavePanelRequest& request) {
  lastsave_ = request;
  busyatlastpanel_ = busy();
  if (saveanswers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(saveanswers_.front());
  saveanswers_.pop_front();
  return answer;
}

namespace {

// Latin-1 letters as base letter plus combining mark, for composing them back.
struct Composition {
  char32_t base;
  char32_t mark;
  char32_t composed;
};

constexpr Composition latincompositions[] = {
    {'A', 0x300, 0xC0}, {'A', 0x301, 0xC1}, {'A', 0x302, 0xC2}, {'A', 0x303, 0xC3},
    {'A', 0x308, 0xC4}, {'A', 0x30A, 0xC5}, {'C', 0x327, 0xC7}, {'E', 0x300, 0xC8},
    {'E', 0x301, 0xC9}, {'E', 0x302, 0xCA}, {'E', 0x308, 0xCB}, {'I', 0x300, 0xCC},
    {'I', 0x301, 0xCD}, {'I', 0x302, 0xCE}, {'I', 0x308, 0xCF}, {'N', 0x303, 0xD1},
    {'O', 0x300, 0xD2}, {'O', 0x301, 0xD3}, {'O', 0x302, 0xD4}, {'O', 0x303, 0xD5},
    {'O', 0x308, 0xD6}, {'U', 0x300, 0xD9}, {'U', 0x301, 0xDA}, {'U', 0x302, 0xDB},
    {'U', 0x308, 0xDC}, {'Y', 0x301, 0xDD}, {'a', 0x300, 0xE0}, {'a', 0x301, 0xE1},
    {'a', 0x302, 0xE2}, {'a', 0x303, 0xE3}, {'a', 0x308, 0xE4}, {'a', 0x30A, 0xE5},
    {'c', 0x327, 0xE7}, {'e', 0x300, 0xE8}, {'e', 0x301, 0xE9}, {'e', 0x302, 0xEA},
    {'e', 0x308, 0xEB}, {'i', 0x300, 0xEC}, {'i', 0x301, 0xED}, {'i', 0x302, 0xEE},
    {'i', 0x308, 0xEF}, {'n', 0x303, 0xF1}, {'o', 0x300, 0xF2}, {'o', 0x301, 0xF3},
    {'o', 0x302, 0xF4}, {'o', 0x303, 0xF5}, {'o', 0x308, 0xF6}, {'u', 0x300, 0xF9},
    {'u', 0x301, 0xFA}, {'u', 0x302, 0xFB}, {'u', 0x308, 0xFC}, {'y', 0x301, 0xFD},
    {'y', 0x308, 0xFF},
};

}  // namespace

// The headless host composes the Latin-1 letters, which covers the file names
// its scripted panels answer; the desktop host uses its full Unicode tables.
std::string HeadlessHost::precomposed(const std::string& text) {
  const std::u32string in = utf8toscalars(text);
  std::u32string out;
  for (char32_t c : in) {
    if (!out.empty()) {
      const auto match = std::find_if(std::begin(latincompositions), std::end(latincompositions),
                                      [&](const Composition& k) {
                                        return k.base == out.back() && k.mark == c;
                                      });
      if (match != std::end(latincompositions)) {
        out.back() = match->composed;
        continue;
      }
    }
    out.push_back(c);
  }
  return scalarstoutf8(out);
}

void HeadlessHost::setBusy(bool busy) {
  if (busy) {
    ++busyshown_;
    ++busydepth_;
  } else if (busydepth_ > 0) {
    --busydepth_;
  }
}

void HeadlessHost::showProblem(const UserProblem& problem) { problems_.push_back(problem); }

void HeadlessHost::beep() { ++beeps_; }

std::string HeadlessHost::bundlePath() { return bundlepath_; }

std::string HeadlessHost::resourceDirectory() {
  return resourcedirectory_.empty() ? bundleresourcedirectory(bundlepath_) : resourcedirectory_;
}

void HeadlessHost::setresourcedirectory(std::string path) { resourcedirectory_ = std::move(path); }

void HeadlessHost::setbundlepath(std::string path) { bundlepath_ = std::move(path); }

HeadlessHost::WindowState HeadlessHost::windowstate(HostWindow window) const {
  return windows_.at(static_cast<size_t>(window));
}

HeadlessHost::ViewState HeadlessHost::viewstate(HostView view) const {
  return views_.at(static_cast<size_t>(view));
}

}  // namespace vx
