#include "qt/qt_link_waiter.h"

#include <poll.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <QVariant>

namespace telvane::qt {
namespace {

// The wait depth lives on the application object, the owner of the event loop it describes.
constexpr char kWaitDepth[] = "telvane.linkWaitDepth";

class LinkWaitMark {
 public:
  LinkWaitMark() { Add(1); }
  ~LinkWaitMark() { Add(-1); }
  LinkWaitMark(const LinkWaitMark&) = delete;
  LinkWaitMark& operator=(const LinkWaitMark&) = delete;

 private:
  static void Add(int step) {
    if (QCoreApplication* app = QCoreApplication::instance()) {
      app->setProperty(kWaitDepth, app->property(kWaitDepth).toInt() + step);
    }
  }
};

}  // namespace

bool InsideLinkWait() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app != nullptr && app->property(kWaitDepth).toInt() > 0;
}

link::WaitOutcome WaitInEventLoop(int fd, short events, std::chrono::milliseconds limit) {
  link::WaitOutcome outcome = link::PollNow(fd, events);
  if (outcome != link::WaitOutcome::Timeout || limit.count() <= 0) return outcome;

  QEventLoop loop;
  // The notifier wakes the loop on data, hang-up or error alike; poll() tells which.
  QSocketNotifier notifier(fd, (events & POLLOUT) ? QSocketNotifier::Write : QSocketNotifier::Read);
  QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&] {
    outcome = link::PollNow(fd, events);
    if (outcome != link::WaitOutcome::Timeout) loop.quit();
  });
  QTimer bound;
  bound.setSingleShot(true);
  bound.setTimerType(Qt::PreciseTimer);
  QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
  bound.start(limit);
  // Repaints, timers and posted work run; mouse and keys stay queued until it returns.
  const LinkWaitMark mark;
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  // Timeout also when the application quits meanwhile: the exchange then gives up.
  return outcome;
}

}  // namespace telvane::qt
