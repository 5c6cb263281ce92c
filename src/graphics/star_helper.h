#pragma once
// A large star's drawing shares its work with one helper thread: starting
// it (or doing without), and, for the drawing by runs, shares that go to
// whichever thread claims one first, so that a helper the system is slow to
// run costs no more than its start.
#include <atomic>
#include <cstdint>
#include <functional>
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

// From how many rows on a drawing by runs shares its work with a helper
// thread: below that the hand-over costs more than it saves. The tests set
// it lower, so that the shared drawing is compared on small stars too.
constexpr int64_t DefaultSplitRows = 2048;
void setstarsplitrows(int64_t rows);
int64_t starsplitrows();

// A window of `rows` rows was made: when a star drawn in it would share its
// work, the kept helper thread is started now (unless it runs, or the
// machine has one core), so that it is waiting by the time the window is
// drawn in. Does not wait for it.
void readystarhelper(int64_t rows);

// Hands a share of the work to the kept helper thread when it waits, or
// else to a thread started for it; answers false, `work` not run, when
// neither can take it and the caller does the share itself. What `work`
// touches must outlive it (the caller waits for its shares).
bool sharewithhelper(std::function<void()> work);

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
