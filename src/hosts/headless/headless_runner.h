#pragma once
/// \file
/// Runs a user program on the headless host as the desktop application would:
/// the launch sequence, the program on its own thread, and a driver on the main
/// thread that acts as the user (types keys, chooses menu items, waits for what
/// the program prints or shows).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "hosts/headless/headless_host.h"
#include "host/host_events.h"

namespace vx {

/// The user of a program run by runHeadless: a driver on the main thread that
/// types keys, chooses menu items and waits for what the program logs. Every
/// wait runs the main thread's work meanwhile and answers false when its time
/// is up.
class HeadlessSession {
 public:
  using Timeout = std::chrono::milliseconds;  ///< how long a wait may take
  static constexpr Timeout DefaultTimeout = std::chrono::seconds(60);  ///< a minute: generous, so that a slow machine never fails a session

  /// A session on `host`, whose thread is the main thread.
  explicit HeadlessSession(HeadlessHost& host);

  HeadlessHost& host() { return host_; }  ///< the host the session drives

  /// The slot whose view receives typed keys (the text window, 0, at first).
  void setkeyslot(int slot) { keyslot_ = slot; }
  /// Presses and releases one key: the toolkit's key code, the characters the
  /// key produced and the modifier bits.
  void press(uint16_t keyCode, const std::string& characters, uint64_t modifiers = 0);
  /// Types every character of `text` (Return for "\n" and "\r").
  void type(const std::string& text);
  void pressreturn();  ///< presses Return

  /// Chooses a menu item by menu and item title; false when there is none.
  bool choose(const std::string& menu, const std::string& item);

  /// Everything the toolkit logged since the session began.
  std::string log();
  /// Waits, running the main thread's work meanwhile, until the log holds
  /// `text` at least `count` times; false when the time is up first.
  bool waitforlog(const std::string& text, int count = 1, Timeout timeout = DefaultTimeout);
  /// Waits, running the main thread's work meanwhile, until `condition` holds;
  /// false when the time is up first.
  bool waituntil(const std::function<bool()>& condition, Timeout timeout = DefaultTimeout);

  bool programended() const { return ended_->load(); }  ///< whether the program's thread has ended
  /// Waits until the program's thread has ended; false when the time is up first.
  bool waitforend(Timeout timeout = DefaultTimeout);

  /// The flag the runner sets when the program's thread ends.
  std::shared_ptr<std::atomic<bool>> endflag() const { return ended_; }

 private:
  void deliver(const HostKeyEvent& event);

  HeadlessHost& host_;
  int keyslot_ = 0;
  std::string log_;
  std::shared_ptr<std::atomic<bool>> ended_ = std::make_shared<std::atomic<bool>>(false);
};

/// How runHeadless runs a program.
struct HeadlessRunOptions {
  std::string resourceDirectory;  ///< empty: the bundle's Contents/Resources
  bool echoLog = true;            ///< also write the log to standard output
};

/// Installs the headless host on the calling thread (which becomes the main
/// thread), runs the launch sequence with `program` as the user program and
/// then `driver`, if any, or else waits for the program to end. Answers 0 when
/// the program ended, 1 when the driver returned while it was still running
/// (the host is then shut down, so the program can no longer reach it).
int runHeadless(std::function<void()> program,
                std::function<void(HeadlessSession&)> driver = {},
                HeadlessRunOptions options = {});

}  // namespace vx
