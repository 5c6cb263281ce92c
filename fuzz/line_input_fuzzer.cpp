// Line input fed arbitrary key sequences through the headless host: the keys
// reach the window's view on the main thread (libFuzzer's thread), and
// t_InputForm runs on the program thread, as in a program. Returns typed after
// the sequence end the input; should it still wait (an output pause, a code
// entry), the user goes on pressing Return.
#include <condition_variable>
#include <mutex>

#include "fuzz_support.h"
#include "host/key_codes.h"
#include "hosts/view_input.h"

using namespace vx;

namespace {

constexpr uint8_t Window = 0;

struct Form {
  std::string prompt, defaulttext;
  int64_t mode = 0, maximum = 0;
};

// The program thread takes one form at a time. Never destroyed: the thread
// still waits on them while the process exits.
std::mutex& mutex = *new std::mutex;
std::condition_variable& formready = *new std::condition_variable;
std::optional<Form>& pending = *new std::optional<Form>;
std::atomic<bool> finished{false};

void program() {
  for (;;) {
    Form form;
    {
      std::unique_lock lock(mutex);
      formready.wait(lock, [] { return pending.has_value(); });
      form = *pending;
      pending.reset();
    }
    t_InputForm(Window, form.prompt, form.defaulttext, false, form.mode, form.maximum);
    finished = true;
  }
}

void start() {
  static bool started = false;
  if (started) return;
  started = true;
  vxfuzz::quiethost();
  t_Font font{.Format = FontFormatGrey, .End = 255, .Width = 2, .Height = 3, .Data = {}};
  font.Data.assign(256 * 2 * 3, 0x80);
  t_InitWindow(Window, 8, false, 24 * 2, 4 * 3, 0, 0, font, true);
  startprocess(program, 0);
}

constexpr uint16_t SpecialKeys[] = {51, 71, 76, 115, 116, 117, 119, 121, 123, 124, 125, 126,
                                    48, 36, 53, 82, 86, 89, 91, 92, 122, 120, 10, 24, 32, 45};

HostKeyEvent nextkey(vxfuzz::Input& in) {
  const uint8_t kind = in.byte();
  if (kind < 0x80) return keycode::characterkeyevent(std::string(1, static_cast<char>(kind)));
  if (kind < 0xA0) {
    const uint16_t code = SpecialKeys[kind % std::size(SpecialKeys)];
    const uint64_t flags = (kind & 0x10) ? OptionModifier : (kind & 0x08) ? ControlModifier : 0;
    return HostKeyEvent{code, "", flags};
  }
  if (kind < 0xC0) {  // Ctrl with a letter or sign
    return keycode::characterkeyevent(std::string(1, static_cast<char>(kind & 0x1F)),
                                      ControlModifier);
  }
  if (kind < 0xE0) {  // a character beyond ASCII
    std::string characters;
    appendscalar(characters, static_cast<char32_t>(0x80 + in.number(2)));
    return keycode::characterkeyevent(characters);
  }
  const uint16_t code = in.byte() % 128;
  std::string characters;
  if (const uint8_t c = in.byte()) appendscalar(characters, c);
  return HostKeyEvent{code, characters, static_cast<uint64_t>(kind & 0x1F) << 16};
}

void press(const HostKeyEvent& key) {
  deliverkeydown(Window, key);
  deliverkeyup(Window);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  start();
  vxfuzz::Input in(data, size);
  Form form;
  form.mode = in.byte() % 6;
  form.maximum = static_cast<int64_t>(in.byte() % 40) - 2;
  form.prompt = std::string(in.byte() % 8, '?');
  form.defaulttext = std::string(in.byte() % 8, 'd');
  std::string pasted;
  for (int i = in.byte() % 8; i > 0; --i) appendscalar(pasted, in.number(1) * 0x101 % 0x2100);
  HeadlessHost& host = vxfuzz::quiethost();
  host.pasteboardSetString(pasted);
  discardkeyevents();
  t_Window& w = WindowTable[Window];
  w.TextRedirectOutput = 1;
  t_CursorHome(Window);
  while (in.remaining() > 0) press(nextkey(in));
  for (int i = 0; i < 2; ++i) press(keycode::characterkeyevent("\r"));
  finished = false;
  {
    std::lock_guard lock(mutex);
    pending = form;
  }
  formready.notify_one();
  int returns = 0;
  while (!host.pumpuntil([] { return finished.load(); }, std::chrono::milliseconds(20))) {
    vxfuzz::require(++returns < 50, "the line input does not end on Return");
    press(keycode::characterkeyevent("\r"));
  }
  return 0;
}
