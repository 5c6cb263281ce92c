#include "hosts/web/web_host.h"

#include <sys/stat.h>
#include <unistd.h>

#include "events/event_state.h"
#include "events/menu_availability.h"
#include "host/slot_view.h"
#include "hosts/clipboard_text.h"
#include "hosts/view_input.h"
#include "hosts/web/page_bridge.h"
#include "hosts/web/page_scene.h"
#include "runtime/app_delegate.h"
#include "runtime/memory.h"
#include "console/screen_text.h"
#include "windows/pixel_conversion.h"

namespace vx::web {

namespace {

// Where saved files wait in the program's file system until the page has
// downloaded them.
constexpr const char* DownloadFolder = "/home/web_user/Sichern";

std::string lastcomponent(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file URL of a path, escaped as the toolkit's panels answer them.
std::string fileurl(const std::string& path) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char byte : path) {
    const auto c = static_cast<unsigned char>(byte);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' || c == '-' ||
        c == '.' || c == '_' || c == '~') {
      url += byte;
    } else {
      url += '%';
      url += Hex[c >> 4];
      url += Hex[c & 15];
    }
  }
  return url;
}

}  // namespace

WebHost::WebHost(AboutText about) : about_(std::move(about)) {
  const PageArea area = pagearea();
  setscreen({static_cast<double>(area.width), static_cast<double>(area.height)});
  lastscreen_ = screen();
}

// ---- Serving the page -------------------------------------------------------

void WebHost::serveuntil(const std::function<bool()>& done) {
  auto next = std::chrono::steady_clock::now();
  while (!done()) {
    runpendingtasks();
    const auto now = std::chrono::steady_clock::now();
    if (now >= next) {
      tick();
      next = now + (now - lastwork_ < ActiveSpell ? Tick : IdleTick);
      continue;
    }
    waitforwork(std::chrono::duration_cast<std::chrono::milliseconds>(next - now) + std::chrono::milliseconds(1));
  }
}

void WebHost::tick() {
  const PageArea area = pagearea();
  const Size screen{static_cast<double>(area.width), static_cast<double>(area.height)};
  if (!(screen == lastscreen_)) {
    setscreen(screen);
    lastscreen_ = screen;
  }
  sendscene();
  for (int slot = 0; slot < 8; ++slot)
    if (stale_[static_cast<size_t>(slot)]) drawslot(slot);
  offerdownload();
  if (programended_ && !toldended_) {
    toldended_ = true;
    vxweb_page_state(1, "");
  }
}

// The text window's screen, read only while the program waits for a key: it
// writes nothing then, and the next key comes from this thread.
std::string WebHost::screentextatprompt() const {
  if (!WaitingForKey || !MemoryReady || !WindowTable[0].Initialized || WindowTable[0].TextMemoryStart < 0) return {};
  return t_GetScreen(0, "\n");
}

void WebHost::sendscene() {
  std::string scene = pagescene(*this, menuitemavailable, screentextatprompt());
  if (scene == lastscene_) return;
  lastscene_ = std::move(scene);
  vxweb_page_scene(lastscene_.c_str());
}

void WebHost::drawslot(int slot) {
  stale_[static_cast<size_t>(slot)] = false;
  const std::optional<PictureRegion>& region = regions_[static_cast<size_t>(slot)];
  const std::optional<HostView> view = appdelegate.slotview(slot);
  if (!region || !view) return;
  const Rect frame = viewFrame(*view);
  CanvasPixels pixels;
  drawslotview(slot, [&](const StoredPicture& picture) {
    pixels = renderpictureregion(picture, {frame.width, frame.height}, *region);
  });
  if (pixels.rgba.empty()) return;
  vxweb_page_draw(slot, pixels.rgba.data(), static_cast<int>(pixels.width), static_cast<int>(pixels.height),
                  static_cast<int>(region->x), static_cast<int>(region->y), static_cast<int>(region->width),
                  static_cast<int>(region->height));
}

void WebHost::offerdownload() {
  if (!download_) return;
  struct stat status {};
  if (stat(download_->path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return;
  const auto size = static_cast<int64_t>(status.st_size);
  if (size != download_->lastsize) {
    download_->lastsize = size;
    return;
  }
  // A download the page could not start leaves the file where it is, so
  // that nothing is lost; the page has told the user.
  if (vxweb_page_download(download_->path.c_str(), download_->name.c_str()) != 0) unlink(download_->path.c_str());
  download_.reset();
}

// ---- What the page hands over -----------------------------------------------

void WebHost::pageviewchanged(int slot, PictureRegion region) {
  if (slot < 0 || slot >= 8) return;
  regions_[static_cast<size_t>(slot)] = region;
  drawslot(slot);
}

void WebHost::pagemenuchosen(int menu, int item) {
  const std::optional<ChosenItem> chosen = pagemenuitem(*this, menu, item);
  if (!chosen) return;
  switch (chosen->role) {
    case MenuRole::Quit:
      requestquit();
      return;
    case MenuRole::ZoomToFit:
    case MenuRole::ZoomActualSize:
      return;  // the page zooms its own views
    case MenuRole::About:
      delivermenuchoice(chosen->item, chosen->menutitle);
      showmessage(chosen->item.title, about_.program + " " + about_.version,
                  about_.notice.empty() ? "" : about_.notice);
      return;
    case MenuRole::Handler:
      if (menuitemavailable(chosen->item.tag)) delivermenuchoice(chosen->item, chosen->menutitle);
      return;
  }
}

bool WebHost::knownwindow(HostWindow window) const {
  const auto index = static_cast<int64_t>(window);
  return index >= 0 && index < windowcount();
}

void WebHost::pagewindowclosed(HostWindow window) {
  if (!knownwindow(window)) return;
  delivercloserequest(window);
}

void WebHost::pagewindowactivated(HostWindow window) {
  if (!knownwindow(window) || !isWindowVisible(window)) return;
  HeadlessHost::makeKeyAndOrderFront(window);
}

// The page's paste event brings the text; the line input then takes it as it
// takes the desktop's pasteboard on Ctrl-V.
void WebHost::pagepasted(int slot, const std::string& text) {
  HeadlessHost::pasteboardSetString(text);
  HostKeyEvent paste{9, std::string(1, '\x16'), ControlModifier};  // Ctrl-V on the V key
  deliverkeydown(slot, paste);
  deliverkeyup(slot);
}

void WebHost::pagesaveanswered(int64_t request, std::optional<std::string> name) {
  answers_[request] = std::move(name);
}

void WebHost::pageproblemclosed(int64_t request) { answers_[request] = std::nullopt; }

std::optional<std::optional<std::string>> WebHost::awaitanswer(int64_t request) {
  serveuntil([&] { return answers_.count(request) > 0 || quitrequested(); });
  const auto found = answers_.find(request);
  if (found == answers_.end()) return std::nullopt;
  std::optional<std::string> answer = std::move(found->second);
  answers_.erase(found);
  return answer;
}

// ---- Host interface -----------------------------------------------------------

void WebHost::setNeedsDisplay(HostView view) {
  const int slot = viewstate(view).slot;
  if (slot >= 0) stale_[static_cast<size_t>(slot)] = true;
  notework();
}

void WebHost::notework() { lastwork_ = std::chrono::steady_clock::now(); }

void WebHost::displayNow(HostView view) {
  const int slot = viewstate(view).slot;
  if (slot < 0) return;
  sendscene();  // a view drawn at once may have just been shown or sized
  drawslot(slot);
}

void WebHost::pasteboardSetString(const std::string& text) {
  HeadlessHost::pasteboardSetString(text);
  vxweb_page_copytext(withlinefeeds(text).c_str());
}

void WebHost::pasteboardSetImage(const HostImage& image) {
  HeadlessHost::pasteboardSetImage(image);
  std::vector<uint8_t> rgba(image.argb.size());
  for (size_t at = 0; at + 3 < image.argb.size(); at += 4) {
    rgba[at] = image.argb[at + 1];
    rgba[at + 1] = image.argb[at + 2];
    rgba[at + 2] = image.argb[at + 3];
    rgba[at + 3] = image.argb[at];
  }
  vxweb_page_copypicture(rgba.data(), static_cast<int>(image.width), static_cast<int>(image.height));
}

// The picture goes to the page's clipboard as it is stored; the host keeps
// no 32-bit copy of it.
void WebHost::pasteboardSetPicture(const StoredPicture& picture) {
  const CanvasPixels pixels =
      renderpictureregion(picture, {static_cast<double>(picture.width), static_cast<double>(picture.height)},
                          {0, 0, picture.width, picture.height, 1});
  vxweb_page_copypicture(pixels.rgba.data(), static_cast<int>(pixels.width), static_cast<int>(pixels.height));
}

// A page can only open files the user gives it; the toolkit's open panel has
// no files to show there.
std::vector<std::string> WebHost::runOpenPanel(const OpenPanelRequest&) { return {}; }

std::optional<std::string> WebHost::runSavePanel(const SavePanelRequest& request) {
  const int64_t id = nextrequest_++;
  vxweb_page_savedialog(static_cast<int>(id), request.proposedName.c_str(), request.title.c_str(),
                        request.message.c_str());
  const std::optional<std::optional<std::string>> answer = awaitanswer(id);
  if (!answer || !*answer || (*answer)->empty()) return std::nullopt;
  std::string name = lastcomponent(**answer);
  // As in the desktop's panel, a name without an extension gets the first
  // type offered.
  if (!request.fileTypes.empty() && name.find('.') == std::string::npos) name += "." + request.fileTypes.front();
  mkdir("/home/web_user", 0755);
  mkdir(DownloadFolder, 0755);
  const std::string path = std::string(DownloadFolder) + "/" + name;
  download_ = Download{path, name, -1};
  return fileurl(path);
}

void WebHost::showProblem(const UserProblem& problem) {
  HeadlessHost::showProblem(problem);
  showmessage(problem.title, problem.text, problem.details);
}

void WebHost::showmessage(const std::string& title, const std::string& text, const std::string& details) {
  const int64_t id = nextrequest_++;
  vxweb_page_message(static_cast<int>(id), title.c_str(), text.c_str(), details.c_str());
  awaitanswer(id);
}

void WebHost::beep() {
  HeadlessHost::beep();
  vxweb_page_beep();
}

}  // namespace vx::web
