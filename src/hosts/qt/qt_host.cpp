#include "hosts/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "events/menu_availability.h"
#include "host/bundle.h"
#include "host/slot_view.h"
#include "hosts/clipboard_text.h"
#include "hosts/qt/compact_image.h"
#include "hosts/qt/file_panels.h"
#include "hosts/qt/slot_view_widget.h"
#include "hosts/view_input.h"
#include "runtime/app_delegate.h"

namespace vx::qt {

namespace {

QtHost* current = nullptr;
constexpr double InitialWindowOrigin = 100;

int rounded(double v) { return static_cast<int>(std::lround(v)); }

// The enclosing view of a text window's text: the text fills it.
class TextScrollView : public QWidget {
 public:
  explicit TextScrollView(QWidget* parent) : QWidget(parent), text_(new QPlainTextEdit(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
  }
  QPlainTextEdit* text() const { return text_; }

 private:
  QPlainTextEdit* text_;
};

QRect screengeometry(const QWidget* widget) {
  const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
}

}  // namespace

QtHost* installedqthost() { return current; }

QtHost::QtHost()
    : mainthread_(std::this_thread::get_id()),
      context_(std::make_unique<QObject>()),
      bridge_(context_.get()),
      menubars_(menubardescription(),
                [this](const MenuItemInfo& item, const std::string& title, MenuRole role) {
                  menuchosen(item, title, role);
                }) {
  current = this;
  menubars_.setavailability(menuitemavailable);
}

// ---- The interface ----------------------------------------------------------

ToolkitWindow* QtHost::addwindow(const std::string& title, double width, double height) {
  const auto handle = static_cast<HostWindow>(windows_.size());
  ToolkitWindow::Callbacks callbacks{
      [this](HostWindow w) { closeboxpressed(w); },
      [this](HostWindow w) { windowactivated(w); },
      [this](HostWindow w) { return keepclear(w); },
  };
  auto* window = new ToolkitWindow(handle, callbacks);
  window->setWindowTitle(QString::fromStdString(title));
  menubars_.attach(window);
  windows_.push_back(window);
  // The menu bar stands for the title bar: the frame holds it and the content.
  // Windows start near the bottom left of the screen: a window keeps its
  // bottom edge when the toolkit sizes it, so it grows toward the top.
  setWindowFrame(handle, {InitialWindowOrigin, InitialWindowOrigin, width,
                          height + window->titleheight()},
                 false);
  return window;
}

HostView QtHost::addview(QWidget* widget) {
  views_.push_back(widget);
  return static_cast<HostView>(views_.size() - 1);
}

void QtHost::buildspecialwindow(const SpecialWindowOutlets& o) {
  const SpecialWindowDescription& d = o.description;
  ToolkitWindow* w = addwindow(d.title, d.width, d.height);
  *o.window = w->handle();
  if (!d.hasTextView) return;
  const double m = TextWindowMargin;
  auto* scrollview = new TextScrollView(w->canvas());
  w->canvas()->place(scrollview, {m, m, d.width - 2 * m, d.height - 2 * m});
  *o.scrollView = addview(scrollview);
  *o.textView = addview(scrollview->text());
  w->setfocustarget(scrollview->text());
  if (d.hasRuler && o.ruler) {
    auto* rulerview = new QWidget(w->canvas());
    w->canvas()->place(rulerview, {m, d.height - 19, d.width - 48, 19});
    *o.ruler = addview(rulerview);
  }
}

void QtHost::buildinterface() {
  AppDelegate& a = appdelegate;
  for (int slot = 0; slot < 8; ++slot) {
    ToolkitWindow* w = addwindow(slotwindowtitle(slot), 640, 480);
    // A slot's picture stays at the top left when its window changes size.
    w->canvas()->anchorattop();
    auto* view = new SlotViewWidget(slot, w->canvas());
    w->setfocustarget(view);
    view->setmenukeys([this](const QKeySequence& keys) { return menubars_.ismenukey(keys); });
    const HostView handle = addview(view);
    a.setslotview(slot, handle);
    setViewFrame(handle, {0, 0, 640, 480});
  }
  for (const SpecialWindowOutlets& outlets : specialwindowoutlets(a)) buildspecialwindow(outlets);
}

ToolkitWindow* QtHost::window(HostWindow window) const {
  const auto i = static_cast<size_t>(window);
  return i < windows_.size() ? windows_[i] : nullptr;
}

QWidget* QtHost::view(HostView view) const {
  const auto i = static_cast<size_t>(view);
  return i < views_.size() ? views_[i] : nullptr;
}

QPlainTextEdit* QtHost::textview(HostView v) const { return qobject_cast<QPlainTextEdit*>(view(v)); }

QAction* QtHost::menuaction(HostWindow w, const std::string& menu, const std::string& item) const {
  return menubars_.action(window(w), menu, item);
}

// The front window decides what the menu commands act on: their shortcuts
// follow it at once, not only when a menu is next opened.
void QtHost::windowactivated(HostWindow window) {
  std::erase(keyorder_, window);
  keyorder_.insert(keyorder_.begin(), window);
  menubars_.refresh();
}

// A slot window leaves in sight the lines of the text window the user
// worked in last, from its cursor's line down to the window's bottom edge:
// the prompt and what the program prints next.
std::optional<QRect> QtHost::keepclear(HostWindow self) const {
  const ToolkitWindow* me = window(self);
  if (!me || !dynamic_cast<SlotViewWidget*>(me->focustarget())) return std::nullopt;
  for (const HostWindow w : keyorder_) {
    const ToolkitWindow* other = window(w);
    if (w == self || !other || !other->isVisible()) continue;
    const auto* view = dynamic_cast<SlotViewWidget*>(other->focustarget());
    const auto rows = view ? slotcursorrows(view->slot()) : std::nullopt;
    if (!rows) continue;
    const QPointF line = view->viewportat(QPointF(0, static_cast<double>(rows->top)));
    const QRect frame = other->frameGeometry();
    const int top = std::clamp(view->viewport()->mapToGlobal(line.toPoint()).y(), frame.top(), frame.bottom());
    return QRect(QPoint(frame.left(), top), frame.bottomRight());
  }
  return std::nullopt;
}

void QtHost::closeboxpressed(HostWindow window) {
  delivercloserequest(window);
  const bool anyvisible = std::any_of(windows_.begin(), windows_.end(),
                                      [](const ToolkitWindow* w) { return w->isVisible(); });
  if (!anyvisible) quitapplication();
}

void QtHost::menuchosen(const MenuItemInfo& item, const std::string& menuTitle, MenuRole role) {
  switch (role) {
    case MenuRole::Quit:
      quitapplication();
      return;
    case MenuRole::ZoomToFit:
      if (SlotViewWidget* view = keyslotview()) view->zoomtofit();
      return;
    case MenuRole::ZoomActualSize:
      if (SlotViewWidget* view = keyslotview()) view->zoomtoactualsize();
      return;
    case MenuRole::About:
      delivermenuchoice(item, menuTitle);
      showaboutbox(item.title, abouttextwithname(), panelparent());
      return;
    case MenuRole::Handler:
      delivermenuchoice(item, menuTitle);
      return;
  }
}

void QtHost::quitapplication() {
  quitrequested_ = true;
  // Leaves the event loop at once. (Qt's quit() would first ask every
  // window to close, and the windows only hide, so it would not end.)
  QCoreApplication::exit(0);
}

// The slot view of the active window (whose menu bar or shortcut was used),
// or else of the window last made key.
SlotViewWidget* QtHost::keyslotview() const {
  QWidget* active = QApplication::activeWindow();
  if (!active && !keyorder_.empty()) active = window(keyorder_.front());
  const auto* tw = dynamic_cast<ToolkitWindow*>(active);
  return tw ? dynamic_cast<SlotViewWidget*>(tw->focustarget()) : nullptr;
}

// ---- Threads ----------------------------------------------------------------

bool QtHost::isMainThread() const { return std::this_thread::get_id() == mainthread_; }

bool QtHost::runOnMainSync(std::function<void()> task) {
  if (isMainThread()) {
    task();
    return true;
  }
  return bridge_.runsync(std::move(task));
}

void QtHost::runOnMainAsync(std::function<void()> task) { bridge_.runasync(std::move(task)); }

// ---- Windows ------------------------------------------------------------------
// Host frames count from the bottom left of the screen; Qt's from the top left.

Rect QtHost::windowFrame(HostWindow w) {
  const ToolkitWindow* tw = window(w);
  if (!tw) return {};
  const QRect g = tw->geometry();
  const QRect s = screengeometry(tw);
  return {double(g.x() - s.x()), double(s.height() - (g.y() - s.y()) - g.height()),
          double(g.width()), double(g.height())};
}

// The window gets the frame as far as it fits the screen (ToolkitWindow);
// windowFrame then answers the frame it really has.
void QtHost::setWindowFrame(HostWindow w, Rect frame, bool display) {
  ToolkitWindow* tw = window(w);
  if (!tw) return;
  const QRect s = screengeometry(tw);
  const int h = rounded(frame.height);
  tw->setwantedgeometry(QRect(s.x() + rounded(frame.x), s.y() + s.height() - rounded(frame.y) - h,
                              rounded(frame.width), h));
  if (display) tw->update();
}

std::string QtHost::windowTitle(HostWindow w) {
  const ToolkitWindow* tw = window(w);
  return tw ? tw->windowTitle().toStdString() : std::string{};
}

void QtHost::setWindowTitle(HostWindow w, const std::string& title) {
  if (ToolkitWindow* tw = window(w)) tw->setWindowTitle(QString::fromStdString(title));
}

void QtHost::setWindowTitled(HostWindow w, bool titled) {
  if (ToolkitWindow* tw = window(w)) tw->settitled(titled);
}

void QtHost::orderFront(HostWindow w) {
  if (ToolkitWindow* tw = window(w)) {
    tw->show();
    tw->raise();
  }
}

void QtHost::orderOut(HostWindow w) {
  if (ToolkitWindow* tw = window(w)) tw->hide();
}

void QtHost::makeKeyAndOrderFront(HostWindow w) {
  ToolkitWindow* tw = window(w);
  if (!tw) return;
  tw->show();
  tw->raise();
  tw->activateWindow();
  if (QWidget* target = tw->focustarget()) target->setFocus(Qt::ActiveWindowFocusReason);
  windowactivated(w);
}

void QtHost::centerWindow(HostWindow w) {
  if (ToolkitWindow* tw = window(w)) tw->centreonscreen();
}

// The border colour also shows around a picture zoomed smaller than its view.
void QtHost::setWindowBackgroundColor(HostWindow w, t_RGBColor color) {
  ToolkitWindow* tw = window(w);
  if (!tw) return;
  const QColor colour(color.Red, color.Green, color.Blue, color.Alpha);
  tw->canvas()->setbackground(colour);
  if (auto* slotview = dynamic_cast<SlotViewWidget*>(tw->focustarget())) slotview->setbackground(colour);
}

bool QtHost::isWindowVisible(HostWindow w) {
  const ToolkitWindow* tw = window(w);
  return tw && tw->isVisible();
}

Size QtHost::screenSize(HostWindow w) {
  const QRect s = screengeometry(window(w));
  return {double(s.width()), double(s.height())};
}

std::optional<HostWindow> QtHost::mainWindow() {
  for (HostWindow w : keyorder_)
    if (isWindowVisible(w)) return w;
  return std::nullopt;
}

// ---- Views --------------------------------------------------------------------

std::optional<HostWindow> QtHost::viewWindow(HostView v) {
  const QWidget* widget = view(v);
  if (!widget) return std::nullopt;
  if (const auto* tw = dynamic_cast<const ToolkitWindow*>(widget->window())) return tw->handle();
  return std::nullopt;
}

Rect QtHost::viewFrame(HostView v) {
  const QWidget* widget = view(v);
  if (!widget) return {};
  if (const auto* canvas = dynamic_cast<const BottomLeftCanvas*>(widget->parentWidget()))
    return canvas->frameof(widget);
  const QRect g = widget->geometry();
  const int parentheight = widget->parentWidget() ? widget->parentWidget()->height() : g.height();
  return {double(g.x()), double(parentheight - g.y() - g.height()), double(g.width()),
          double(g.height())};
}

void QtHost::setViewFrame(HostView v, Rect frame) {
  QWidget* widget = view(v);
  if (!widget) return;
  if (auto* slotview = dynamic_cast<SlotViewWidget*>(widget)) slotview->settoolkitframe(frame);
  if (auto* canvas = dynamic_cast<BottomLeftCanvas*>(widget->parentWidget())) {
    canvas->place(widget, frame);
    return;
  }
  const int parentheight = widget->parentWidget() ? widget->parentWidget()->height() : 0;
  const int h = rounded(frame.height);
  widget->setGeometry(rounded(frame.x), parentheight - rounded(frame.y) - h, rounded(frame.width),
                      h);
}

// A slot view is asked to redraw when its picture changed: it drops what it
// kept of the picture (a zoomed-out copy) and draws the visible part anew.
void QtHost::setNeedsDisplay(HostView v) {
  QWidget* widget = view(v);
  if (auto* slotview = dynamic_cast<SlotViewWidget*>(widget)) {
    slotview->picturechanged();
    slotview->followcursor();
  } else if (widget) {
    widget->update();
  }
}

void QtHost::displayNow(HostView v) {
  QWidget* widget = view(v);
  if (auto* slotview = dynamic_cast<SlotViewWidget*>(widget)) {
    slotview->picturechanged();
    slotview->followcursor();
    slotview->viewport()->repaint();
  } else if (widget) {
    widget->repaint();
  }
}

std::string QtHost::textViewString(HostView v) {
  const QPlainTextEdit* text = textview(v);
  return text ? text->toPlainText().toStdString() : std::string{};
}

void QtHost::setTextViewString(HostView v, const std::string& s) {
  if (QPlainTextEdit* text = textview(v)) text->setPlainText(QString::fromStdString(s));
}

void QtHost::preparePlainTextView(HostView v) {
  QPlainTextEdit* text = textview(v);
  if (!text) return;
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSize(12);
  text->setFont(font);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
}

// ---- Menus --------------------------------------------------------------------

std::optional<int> QtHost::findMenu(const std::string& title) { return menubars_.find(title); }

std::vector<MenuItemInfo> QtHost::menuItems(int menu) { return menubars_.items(menu); }

void QtHost::deleteMenuItem(int menu, int position) { menubars_.remove(menu, position); }

int QtHost::menuCount() { return menubars_.count(); }

void QtHost::addMenu(const MenuDescription& menu) { menubars_.add(menu); }

// ---- Pasteboard ---------------------------------------------------------------

void QtHost::pasteboardClear() { QGuiApplication::clipboard()->clear(); }

void QtHost::pasteboardSetString(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(withlinefeeds(text)));
}

void QtHost::pasteboardSetImage(const HostImage& image) {
  const QImage converted = toqimage(image);
  if (!converted.isNull()) QGuiApplication::clipboard()->setImage(converted);
}

// A picture goes on the clipboard compact (a one-bit picture as one bit a
// pixel); Qt converts it to the format an application asks for only then.
void QtHost::pasteboardSetPicture(const StoredPicture& picture) {
  const QImage compact = compactimage(picture);
  if (!compact.isNull()) QGuiApplication::clipboard()->setImage(compact);
}

std::optional<std::string> QtHost::pasteboardString() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return data->text().toStdString();
}

// ---- Panels and the rest --------------------------------------------------------

QWidget* QtHost::panelparent() {
  if (const auto w = mainWindow()) return window(*w);
  return nullptr;
}

std::vector<std::string> QtHost::runOpenPanel(const OpenPanelRequest& request) {
  return runopenpanel(request, panelparent());
}

std::optional<std::string> QtHost::runSavePanel(const SavePanelRequest& request) {
  return runsavepanel(request, panelparent());
}

std::string QtHost::precomposed(const std::string& text) {
  return QString::fromStdString(text).normalized(QString::NormalizationForm_C).toStdString();
}

void QtHost::setBusy(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
  // The work that follows keeps the event loop from running: the new cursor
  // must reach the window system now.
  QGuiApplication::sync();
}

// A modal box over the window last made key; the details hide behind a button.
void QtHost::showProblem(const UserProblem& problem) {
  QMessageBox box(panelparent());
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(QString::fromStdString(problem.title));
  box.setText(QString::fromStdString(problem.text));
  if (!problem.details.empty()) box.setDetailedText(QString::fromStdString(problem.details));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

void QtHost::beep() { QApplication::beep(); }

std::string QtHost::bundlePath() { return executablebundlepath(); }

std::string QtHost::resourceDirectory() { return bundleresourcedirectory(bundlePath()); }

}  // namespace vx::qt
