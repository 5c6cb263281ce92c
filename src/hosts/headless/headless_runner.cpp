#include "hosts/headless/headless_runner.h"

#include "host/key_codes.h"
#include "hosts/view_input.h"
#include "runtime/app_delegate.h"
#include "runtime/log.h"
#include "runtime/utf8.h"
#include "vxtools_headless.h"

namespace vx {

namespace {

size_t occurrences(const std::string& text, const std::string& needle) {
  if (needle.empty()) return 0;
  size_t count = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1))
    ++count;
  return count;
}

// Ends the program's flag whichever way its thread ends: by returning or by
// t_QuitProgram unwinding the stack.
struct EndMark {
  std::shared_ptr<std::atomic<bool>> flag;
  ~EndMark() { *flag = true; }
};

}  // namespace

HeadlessSession::HeadlessSession(HeadlessHost& host) : host_(host) {}

void HeadlessSession::press(uint16_t keyCode, const std::string& characters, uint64_t modifiers) {
  HostKeyEvent event;
  event.keyCode = keyCode;
  event.characters = characters;
  event.modifierFlags = modifiers;
  deliver(event);
}

void HeadlessSession::deliver(const HostKeyEvent& event) {
  deliverkeydown(keyslot_, event);
  deliverkeyup(keyslot_);
}

void HeadlessSession::pressreturn() { press(keycode::Return, "\r"); }

void HeadlessSession::type(const std::string& text) {
  for (char32_t c : utf8toscalars(text)) {
    if (c == U'\n' || c == U'\r') {
      pressreturn();
    } else {
      deliver(keycode::characterkeyevent(scalarstoutf8(std::u32string(1, c))));
    }
  }
}

bool HeadlessSession::choose(const std::string& menu, const std::string& item) {
  const auto found = host_.menuitem(menu, item);
  if (!found) return false;
  delivermenuchoice(*found, menu);
  return true;
}

std::string HeadlessSession::log() {
  log_ += takelogcapture();
  return log_;
}

bool HeadlessSession::waitforlog(const std::string& text, int count, Timeout timeout) {
  return waituntil([&] { return occurrences(log(), text) >= static_cast<size_t>(count); },
                   timeout);
}

bool HeadlessSession::waituntil(const std::function<bool()>& condition, Timeout timeout) {
  return host_.pumpuntil(condition, timeout);
}

bool HeadlessSession::waitforend(Timeout timeout) {
  return waituntil([&] { return programended(); }, timeout);
}

int runHeadless(std::function<void()> program, std::function<void(HeadlessSession&)> driver,
                HeadlessRunOptions options) {
  HeadlessHost& h = installheadlesshost();
  if (!options.resourceDirectory.empty()) h.setresourcedirectory(options.resourceDirectory);
  setlogechoed(options.echoLog);
  startlogcapture();
  HeadlessSession session(h);
  appdelegate.program = [program = std::move(program), flag = session.endflag()] {
    EndMark mark{flag};
    if (program) program();
  };
  appdelegate.applicationWillFinishLaunching();
  appdelegate.applicationDidFinishLaunching();
  if (driver) {
    driver(session);
  } else {
    while (!session.waitforend()) {
    }
  }
  const bool ended = session.programended();
  if (!ended) h.shutdown();
  appdelegate.applicationWillTerminate();
  stoplogcapture();
  setlogechoed(true);
  return ended ? 0 : 1;
}

}  // namespace vx
