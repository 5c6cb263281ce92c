#include "hosts/web/page_scene.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "hosts/clipboard_text.h"

namespace vx::web {

namespace {

const char* rolename(MenuRole role) {
  switch (role) {
    case MenuRole::Quit: return "quit";
    case MenuRole::About: return "about";
    case MenuRole::ZoomToFit: return "fit";
    case MenuRole::ZoomActualSize: return "actual";
    case MenuRole::Handler: break;
  }
  return "";
}

std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(std::llround(value)));
  return buffer;
}

std::string colour(t_RGBColor c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.Red & 0xFF, c.Green & 0xFF, c.Blue & 0xFF);
  return buffer;
}

// A rectangle with the origin at the top left, from one with the origin at
// the bottom left inside a height of `outer`.
std::string topdown(Rect r, double outer) {
  return "[" + number(r.x) + "," + number(outer - r.y - r.height) + "," + number(r.width) + "," +
         number(r.height) + "]";
}

std::string menujson(const PageMenu& menu, const std::function<bool(int64_t)>& available) {
  std::string out = "{\"title\":" + jsonstring(menu.title) + ",\"items\":[";
  for (size_t i = 0; i < menu.items.size(); ++i) {
    const MenuItemInfo& item = menu.items[i];
    const MenuRole role = menu.roles[i];
    const bool enabled = role != MenuRole::Handler || available(item.tag);
    if (i > 0) out += ",";
    out += "{\"title\":" + jsonstring(item.title) + ",\"key\":" + jsonstring(item.keyEquivalent) +
           ",\"mods\":" + std::to_string(item.keyModifiers) + ",\"sep\":" + (item.separator ? "true" : "false") +
           ",\"enabled\":" + (enabled ? "true" : "false") + ",\"role\":\"" + rolename(role) + "\"}";
  }
  return out + "]}";
}

// One window: its frame in the page (title bar included), and the view that
// shows a slot's picture or the text view of a special window, in the
// window's content from its top left.
std::string windowjson(const HeadlessHost& host, HostWindow window) {
  const HeadlessHost::WindowState w = host.windowstate(window);
  const double content = w.frame.height - (w.titled ? HeadlessTitleBarHeight : 0);
  std::string out = "{\"id\":" + std::to_string(static_cast<int64_t>(window)) + ",\"title\":" + jsonstring(w.title) +
                    ",\"frame\":" + topdown(w.frame, host.screen().height) +
                    ",\"titled\":" + (w.titled ? "true" : "false") + ",\"background\":\"" + colour(w.background) + "\"";
  for (int64_t v = 0; v < host.viewcount(); ++v) {
    const HeadlessHost::ViewState view = host.viewstate(static_cast<HostView>(v));
    if (view.window != window) continue;
    if (view.slot >= 0) {
      // The view's bottom edge as the toolkit counts it, for mouse positions.
      out += ",\"slot\":" + std::to_string(view.slot) + ",\"view\":" + topdown(view.frame, content) +
             ",\"viewBottom\":" + number(view.frame.y);
    } else if (view.textView) {
      out += ",\"text\":" + jsonstring(withlinefeeds(view.text));
    }
  }
  return out + "}";
}

}  // namespace

std::vector<PageMenu> pagemenus(const HeadlessHost& host) {
  std::vector<PageMenu> menus;
  for (const HeadlessHost::Menu& m : host.menus()) menus.push_back({m.title, m.items, m.roles});
  return menus;
}

std::optional<ChosenItem> pagemenuitem(const HeadlessHost& host, int menu, int item) {
  const std::vector<PageMenu> menus = pagemenus(host);
  if (menu < 0 || menu >= static_cast<int>(menus.size())) return std::nullopt;
  const PageMenu& m = menus[static_cast<size_t>(menu)];
  if (item < 0 || item >= static_cast<int>(m.items.size())) return std::nullopt;
  const auto i = static_cast<size_t>(item);
  if (m.items[i].separator) return std::nullopt;
  return ChosenItem{m.items[i], m.title, m.roles[i]};
}

std::string pagescene(const HeadlessHost& host, const std::function<bool(int64_t)>& available,
                      const std::string& screentext) {
  std::string out = "{\"windows\":[";
  bool first = true;
  // Front to back: the windows last made key first, then the others shown.
  std::vector<HostWindow> order;
  for (HostWindow w : host.keyorder())
    if (host.windowstate(w).visible) order.push_back(w);
  for (int64_t w = 0; w < host.windowcount(); ++w) {
    const auto window = static_cast<HostWindow>(w);
    if (host.windowstate(window).visible && std::find(order.begin(), order.end(), window) == order.end())
      order.push_back(window);
  }
  for (HostWindow w : order) {
    if (!first) out += ",";
    first = false;
    out += windowjson(host, w);
  }
  out += "],\"menus\":[";
  const std::vector<PageMenu> menus = pagemenus(host);
  for (size_t m = 0; m < menus.size(); ++m) out += (m > 0 ? "," : "") + menujson(menus[m], available);
  out += "],\"busy\":" + std::string(host.busy() ? "true" : "false");
  out += ",\"screenText\":" + jsonstring(screentext) + "}";
  return out;
}

std::string jsonstring(const std::string& text) {
  std::string out = "\"";
  for (const char byte : text) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += byte;
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      out += escape;
    } else {
      out += byte;
    }
  }
  return out + "\"";
}

}  // namespace vx::web
