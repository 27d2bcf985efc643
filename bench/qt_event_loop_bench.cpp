// The longest stall of the Qt event loop while the program talks to the simulated phone
// (57600 baud, 20 ms before each answer) from inside one event handler, as a window's
// long operation does: 100 short commands, reading a full SIM book (250 positions), and
// sending a 5000-byte logo. A 1 ms timer ticks throughout; the longest gap between two
// ticks is the stall a user would see. Target: below one frame at 60 Hz (16.7 ms).
//
// The exchanges wait with qt::WaitInEventLoop, as the program does; with --sliced they
// wait as they once did instead (poll() in 10 ms slices, the event loop pumped between
// them), for comparison.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "base/file_handle.h"
#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"
#include "logo_file.h"
#include "objects/object_file.h"
#include "phonebook/book_reading.h"
#include "phonebook/phonebook_store.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "ui/resources.h"

namespace {

using telvane::bench::kLogoBytes;
using telvane::bench::LogoFile;

using std::chrono::milliseconds;

constexpr double kTargetMs = 16.7;
constexpr int kCommandRuns = 100;
constexpr int kSimPositions = 250;
constexpr std::array<std::string_view, 5> kCommands = {"AT+CBC", "AT+CSQ", "AT+CGMI", "AT+CREG?",
                                                       "AT+COPS?"};

// The demo phone with every SIM position filled.
telvane::sim::PhoneState FullPhone() {
  telvane::sim::PhoneState state = telvane::sim::DemoPhone();
  state.books.sim.entries.clear();
  for (int position = 1; position <= kSimPositions; ++position) {
    std::string tail = std::to_string(position);
    tail.insert(0, 5 - tail.size(), '0');
    state.books.sim.entries[position] = {"+4917012" + tail, 145, "Kontakt " + tail};
  }
  return state;
}

// The wait as it was: poll() in 10 ms slices with the event loop pumped between them.
telvane::link::WaitOutcome SlicedWait(telvane::qt::QtUi& ui, int fd, short events,
                                      milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    const auto left = std::max(
        std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now()),
        milliseconds(0));
    const auto outcome = telvane::link::PollWait(fd, events, std::min(left, milliseconds(10)));
    if (outcome != telvane::link::WaitOutcome::Timeout || left.count() == 0) return outcome;
    ui.PumpMessages();
  }
}

// A logo transfer's feedback as the progress box gives it: the event loop between blocks.
class PumpingFeedback : public telvane::objects::TransferFeedback {
 public:
  explicit PumpingFeedback(telvane::qt::QtUi& ui) : ui_(ui) {}
  void ShowProgress(unsigned) override {}
  void Pump() override { ui_.PumpMessages(); }

 private:
  telvane::qt::QtUi& ui_;
};

struct Phase {
  const char* name;
  std::function<bool()> run;  // false when the phone work failed
};

// Runs `phase` inside one event handler while a 1 ms timer ticks; prints its figures.
bool Measure(const Phase& phase) {
  QElapsedTimer clock;
  qint64 lastTickNs = -1;
  double maxStallMs = 0;
  long ticks = 0;
  long longStalls = 0;  // gaps of a frame or more
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (lastTickNs >= 0) {
      const double stallMs = double(now - lastTickNs) / 1e6;
      maxStallMs = std::max(maxStallMs, stallMs);
      if (stallMs >= kTargetMs) ++longStalls;
    }
    lastTickNs = now;
    ++ticks;
  });
  bool ok = false;
  // A loop of the phase's own: a quit left over from an earlier phase cannot end it early.
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    clock.start();
    ok = phase.run();
    ticker.stop();
    loop.quit();
  });
  ticker.start();
  loop.exec();
  const double elapsedMs = double(clock.nsecsElapsed()) / 1e6;
  std::printf("  %-22s max stall %7.2f ms  stalls >= %.1f ms: %3ld  ticks %5ld in %6.0f ms  %s%s\n",
              phase.name, maxStallMs, kTargetMs, longStalls, ticks, elapsedMs,
              maxStallMs < kTargetMs ? "PASS" : "FAIL", ok ? "" : "  (the phone work failed)");
  return ok && maxStallMs < kTargetMs;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const bool sliced = argc > 1 && std::strcmp(argv[1], "--sliced") == 0;
  const telvane::ui::Resources noResources;
  telvane::qt::QtUi ui(noResources, 9);

  telvane::sim::ServeOptions options;
  options.baudRate = 57600;
  options.latency = milliseconds(20);
  const auto phone = telvane::sim::PtyPhone::Start(FullPhone(), options);
  const auto irda = telvane::link::MakeSystemIrdaProvider();
  telvane::link::PhoneLink link(*irda, nullptr);
  if (!link.OpenSerialPort(phone->DevicePath(), milliseconds(0))) {
    std::fprintf(stderr, "cannot open the simulated phone at %s\n", phone->DevicePath().c_str());
    return 1;
  }
  telvane::link::Exchange exchange(link);
  if (sliced) {
    exchange.SetWaiter([&ui](int fd, short events, milliseconds limit) {
      return SlicedWait(ui, fd, events, limit);
    });
  } else {
    exchange.SetWaiter(telvane::qt::WaitInEventLoop);
  }
  exchange.SendCommand("ATE0");

  auto store = std::make_unique<telvane::phonebook::PhonebookStore>();
  const auto logo = LogoFile();
  PumpingFeedback feedback(ui);
  const Phase phases[] = {
      // The machine's own noise: the event loop with nothing but the ticker for 2 s.
      {"idle (no exchange)",
       [] {
         QEventLoop idle;
         QTimer::singleShot(2000, &idle, &QEventLoop::quit);
         idle.exec();
         return true;
       }},
      {"100 commands",
       [&] {
         bool all = true;
         for (int i = 0; i < kCommandRuns; ++i) {
           all = exchange.SendCommand(kCommands[static_cast<std::size_t>(i) % kCommands.size()]) &&
                 all;
         }
         return all;
       }},
      {"full SIM book (250)",
       [&] {
         telvane::phonebook::ReadReport report;
         report.entryAdded = [&ui](std::size_t) { ui.PumpMessages(); };
         return telvane::phonebook::SelectBook(exchange, telvane::phonebook::Book::kSim) &&
                telvane::phonebook::ReadPhonebook(exchange, *store, {}, report) ==
                    telvane::phonebook::ReadResult::kRead &&
                store->EntryCount() == kSimPositions;
       }},
      {"logo of 5000 bytes",
       [&] {
         return logo && telvane::objects::WriteBinaryObject(exchange, feedback,
                                                            telvane::objects::ObjectType::kBmp, 0,
                                                            logo.get(), kLogoBytes)
                            .done;
       }},
  };

  std::printf("Qt event loop while exchanges wait %s (57600 baud, 20 ms latency, offscreen)\n",
              sliced ? "in 10 ms slices, pumped between them" : "in the event loop");
  bool all = true;
  for (const Phase& phase : phases) all = Measure(phase) && all;
  std::printf("  target: longest stall < %.1f ms; result: %s\n", kTargetMs, all ? "PASS" : "FAIL");
  return all ? 0 : 1;
}
