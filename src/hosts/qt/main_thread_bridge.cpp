#include "hosts/qt/main_thread_bridge.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace vx::qt {
namespace {

const QEvent::Type WakeUp = static_cast<QEvent::Type>(QEvent::registerEventType());

// Lives on the main thread, as a child of the main-thread object.
class Receiver : public QObject {
 public:
  Receiver(MainThreadBridge* bridge, QObject* parent) : QObject(parent), bridge_(bridge) {}
  bool event(QEvent* e) override {
    if (e->type() != WakeUp) return QObject::event(e);
    bridge_->runqueued();
    return true;
  }

 private:
  MainThreadBridge* bridge_;
};

}  // namespace

MainThreadBridge::MainThreadBridge(QObject* mainthreadobject)
    : receiver_(new Receiver(this, mainthreadobject)) {}

MainThreadBridge::~MainThreadBridge() { delete receiver_; }

bool MainThreadBridge::enqueue(Queued item) {
  {
    std::lock_guard lock(mutex_);
    if (quitting_) return false;
    queue_.push_back(std::move(item));
  }
  QCoreApplication::postEvent(receiver_, new QEvent(WakeUp));
  return true;
}

bool MainThreadBridge::runsync(std::function<void()> task) {
  auto done = std::make_shared<bool>(false);
  if (!enqueue({std::move(task), done})) return false;
  // The quitting flag changes only on the main thread, so a task that has
  // started there always finishes before any waiter is released by quitting;
  // a released waiter's task (which may refer to its stack) never runs.
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return *done || quitting_; });
  return *done;
}

void MainThreadBridge::runasync(std::function<void()> task) { enqueue({std::move(task), nullptr}); }

void MainThreadBridge::runqueued() {
  for (;;) {
    Queued item;
    {
      std::lock_guard lock(mutex_);
      if (quitting_ || queue_.empty()) return;
      item = std::move(queue_.front());
      queue_.pop_front();
    }
    item.task();
    if (!item.done) continue;
    {
      std::lock_guard lock(mutex_);
      *item.done = true;
    }
    changed_.notify_all();
  }
}

void MainThreadBridge::beginquit() {
  std::deque<Queued> dropped;
  {
    std::lock_guard lock(mutex_);
    quitting_ = true;
    dropped.swap(queue_);
  }
  changed_.notify_all();
}

bool MainThreadBridge::quitting() const {
  std::lock_guard lock(mutex_);
  return quitting_;
}

}  // namespace vx::qt
