// The page's side calling in: what the user does in the page, handed over to
// the toolkit's main thread as work, and the page's area. These run on the
// browser's thread, which must never wait: each only queues work (the queue's
// lock is held for the moment of a push) and returns. Strings are the page's
// and copied here; the page frees them after the call.
#include <emscripten/emscripten.h>

#include <atomic>
#include <optional>
#include <string>

#include "hosts/view_input.h"
#include "hosts/web/dom_keys.h"
#include "hosts/web/page_bridge.h"
#include "hosts/web/web_host.h"

namespace vx::web {

namespace {

std::atomic<int> areawidth{1280};
std::atomic<int> areaheight{800};
std::atomic<WebHost*> installed{nullptr};

// Hands `work` to the main thread once the host is there; before, the page
// shows nothing the user could act on.
template <typename Work>
void handover(Work work) {
  WebHost* host = installed.load();
  if (host != nullptr)
    host->runOnMainAsync([host, work = std::move(work)] {
      work(*host);
      host->notework();
    });
}

std::string text(const char* s) { return s ? std::string(s) : std::string(); }

}  // namespace

PageArea pagearea() { return {areawidth.load(), areaheight.load()}; }

void setinstalledwebhost(WebHost* host) { installed = host; }

}  // namespace vx::web

using namespace vx;
using namespace vx::web;

extern "C" {

EMSCRIPTEN_KEEPALIVE void vxweb_area(int width, int height) {
  areawidth = width > 0 ? width : 1;
  areaheight = height > 0 ? height : 1;
}

EMSCRIPTEN_KEEPALIVE void vxweb_key(int slot, const char* key, int location, int modifiers) {
  const std::optional<HostKeyEvent> event = domkeyevent(text(key), location, modifiers);
  if (!event) return;
  handover([slot, event = *event](WebHost&) { deliverkeydown(slot, event); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_keyup(int slot) {
  handover([slot](WebHost&) { deliverkeyup(slot); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_modifiers(int slot, int modifiers) {
  handover([slot, flags = dommodifierflags(modifiers)](WebHost&) { deliverflagschanged(slot, flags); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_mousedown(int slot, double windowx, double windowy, int right, int modifiers) {
  HostMouseEvent event;
  event.windowX = windowx;
  event.windowY = windowy;
  event.pressedButtons = right ? 2 : 1;
  event.modifierFlags = dommodifierflags(modifiers);
  handover([slot, event, right](WebHost&) { delivermousedown(slot, event, right != 0); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_mouseup(int slot) {
  handover([slot](WebHost&) { delivermouseup(slot); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_menu(int menu, int item) {
  handover([menu, item](WebHost& host) { host.pagemenuchosen(menu, item); });
}

// A menu is opening: the page gets the items' states as they are now, not as
// they were at the last tick.
EMSCRIPTEN_KEEPALIVE void vxweb_menuopened() {
  handover([](WebHost& host) { host.pagemenuopened(); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_close(int window) {
  handover([window](WebHost& host) { host.pagewindowclosed(static_cast<HostWindow>(window)); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_activate(int window) {
  handover([window](WebHost& host) { host.pagewindowactivated(static_cast<HostWindow>(window)); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_view(int slot, int x, int y, int width, int height, int factor) {
  const PictureRegion region{x, y, width, height, factor};
  handover([slot, region](WebHost& host) { host.pageviewchanged(slot, region); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_paste(int slot, const char* pasted) {
  handover([slot, pasted = text(pasted)](WebHost& host) { host.pagepasted(slot, pasted); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_saveanswer(int request, const char* name) {
  std::optional<std::string> answer;
  if (name != nullptr) answer = name;
  handover([request, answer](WebHost& host) { host.pagesaveanswered(request, answer); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_messageclosed(int request) {
  handover([request](WebHost& host) { host.pageproblemclosed(request); });
}

EMSCRIPTEN_KEEPALIVE void vxweb_quit() {
  // Asked for by the page's own quit command; the main thread sees the flag
  // at its next look, and a task wakes it.
  handover([](WebHost& host) { host.requestquit(); });
}

}  // extern "C"
