#pragma once
// A large star's drawing shares its work with one helper thread: starting
// it (or doing without), and, for the drawing by runs, shares that go to
// whichever thread claims one first, so that a helper the system is slow to
// run costs no more than its start.
#include <atomic>
#include <system_error>
#include <thread>
#include <utility>

namespace vx {

// The shares of a drawing that a helper thread may take, each done by the
// thread that claims it first.
class SharedWork {
 public:
  enum Share { Later, Upward };
  enum Who { Nobody, Drawer, Helper };

  bool claim(Share share, Who who) {
    Who expected = Nobody;
    return owner_[share].compare_exchange_strong(expected, who);
  }
  void finish(Share share) {
    done_[share].store(true);
    done_[share].notify_all();
  }
  void awaitdone(Share share) const { done_[share].wait(false); }
  void setready() {
    ready_.store(true);
    ready_.notify_all();
  }
  void awaitready() const { ready_.wait(false); }

  // On leaving the drawing, also by an exception: claims what is left
  // before letting the helper go on (after an exception the lists may be
  // half made, and no share may start on them), then waits for what the
  // helper has taken.
  class Settle {
   public:
    explicit Settle(SharedWork& work) : work_(work) {}
    Settle(const Settle&) = delete;
    Settle& operator=(const Settle&) = delete;
    ~Settle() {
      work_.claim(Later, Drawer);
      work_.claim(Upward, Drawer);
      work_.setready();
      for (Share share : {Later, Upward})
        if (work_.owner_[share].load() == Helper) work_.awaitdone(share);
    }

   private:
    SharedWork& work_;
  };

 private:
  std::atomic<Who> owner_[2] = {Nobody, Nobody};
  std::atomic<bool> done_[2] = {false, false};
  std::atomic<bool> ready_{false};
};

// Starts a thread for a share of the work; one that cannot be started
// leaves the share to the caller.
template <class Work>
std::thread starthelper(Work&& work) {
  try {
    return std::thread(std::forward<Work>(work));
  } catch (const std::system_error&) {
    return {};
  }
}

}  // namespace vx
