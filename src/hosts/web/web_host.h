#pragma once
// The web host: the toolkit's host in a browser page. It keeps the interface's
// state as the headless host does (windows, views, menus and pasteboard in
// memory, on the toolkit's main thread) and mirrors it to the page: a
// description of the windows and menus whenever it changes, and the pixels of
// each slot view's visible part whenever its picture or the page's view of it
// changes. The page runs on the browser's own thread, which never waits: what
// the user does there reaches this host as work handed over to the main
// thread, and what the toolkit asks synchronously (the save panel, a problem
// to show) waits here, serving the page meanwhile, never in the browser.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "hosts/headless/headless_host.h"
#include "hosts/picture_region.h"
#include "vxtools_desktop.h"

namespace vx::web {

class WebHost final : public HeadlessHost {
 public:
  // How often the page is brought up to date (windows, menus, changed
  // pictures): thirty times a second for a second after the last sign of
  // work (handed-over work, a picture to redraw), four times a second while
  // the program only waits, so that a page at a prompt costs next to nothing.
  static constexpr std::chrono::milliseconds Tick{33};
  static constexpr std::chrono::milliseconds IdleTick{250};
  static constexpr std::chrono::milliseconds ActiveSpell{1000};

  explicit WebHost(AboutText about);

  // Serves the page (handed-over work, and every tick the scene, the changed
  // pictures and a finished save) until `done` holds. Main thread only.
  void serveuntil(const std::function<bool()>& done);
  // The user chose to quit, or the program asked to.
  void requestquit() { quitrequested_ = true; }
  bool quitrequested() const { return quitrequested_; }
  // Set when the program's thread has ended; the page says so once.
  void setprogramended() { programended_ = true; }

  // A sign of work: the page is brought up to date often for a while.
  void notework();

  // What the page hands over (on the main thread).
  void pageviewchanged(int slot, PictureRegion region);
  void pagemenuchosen(int menu, int item);
  void pagemenuopened() { sendscene(); }
  void pagewindowclosed(HostWindow window);
  void pagewindowactivated(HostWindow window);
  void pagepasted(int slot, const std::string& text);
  void pagesaveanswered(int64_t request, std::optional<std::string> name);
  void pageproblemclosed(int64_t request);

  // Host interface: what the page shows or does beyond the headless host.
  void setNeedsDisplay(HostView view) override;
  void displayNow(HostView view) override;
  void pasteboardSetString(const std::string& text) override;
  void pasteboardSetImage(const HostImage& image) override;
  void pasteboardSetPicture(const StoredPicture& picture) override;
  std::vector<std::string> runOpenPanel(const OpenPanelRequest& request) override;
  std::optional<std::string> runSavePanel(const SavePanelRequest& request) override;
  void showProblem(const UserProblem& problem) override;
  void beep() override;

 private:
  bool knownwindow(HostWindow window) const;
  void tick();
  void sendscene();
  void drawslot(int slot);
  void offerdownload();
  std::string screentextatprompt() const;
  void showmessage(const std::string& title, const std::string& text, const std::string& details);
  // Serves the page until the dialog `request` is answered (or the
  // application quits); the answer, none when it quit first.
  std::optional<std::optional<std::string>> awaitanswer(int64_t request);

  std::chrono::steady_clock::time_point lastwork_{};
  AboutText about_;
  std::atomic<bool> quitrequested_{false};
  std::atomic<bool> programended_{false};
  bool toldended_ = false;
  std::string lastscene_;
  Size lastscreen_;
  // What the page shows of each slot, and whether it must be drawn anew.
  std::array<std::optional<PictureRegion>, 8> regions_{};
  std::array<bool, 8> stale_{};
  // The page's answers to what waits for the user.
  // (Kept by request, since a dialog may open while another waits: a program
  // thread's save panel while a message is up.)
  int64_t nextrequest_ = 1;
  std::map<int64_t, std::optional<std::string>> answers_;
  // A saved file waiting to be downloaded: it is offered once its size held
  // still for a tick, so that a program writing it on its own thread is done.
  struct Download {
    std::string path;
    std::string name;
    int64_t lastsize = -1;
  };
  std::optional<Download> download_;
};

}  // namespace vx::web
