// The network windows' exchanges against the simulated phone at 57600 baud and 20 ms
// latency, waiting in the Qt event loop as the program does: the longest event-loop stall while
// the net monitor refreshes every 2 s for a minute (argument: other seconds) and while the
// net information window reads its three lists; and reading the default AT^SPLM list as a
// ratio to its wire time. Targets: stall below 50 ms, ratio 1.1 or less.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"
#include "network/net_status.h"
#include "network/operator_lists.h"
#include "qt/qt_link_waiter.h"
#include "qt/qt_ui.h"
#include "sim/pty_phone.h"
#include "ui/resources.h"

namespace {

constexpr double kTargetStallMs = 50.0;
constexpr double kTargetRatio = 1.1;
constexpr int kBaud = 57600;
constexpr double kLatencyMs = 20.0;

// The longest gap between two ticks of a 1 ms timer while `work` runs from the event loop.
double LongestStall(const std::function<void(std::function<void()> done)>& work) {
  QElapsedTimer clock;
  double maxStallMs = 0;
  qint64 lastTickNs = -1;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  ticker.setInterval(1);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = clock.nsecsElapsed();
    if (lastTickNs >= 0) maxStallMs = std::max(maxStallMs, double(now - lastTickNs) / 1e6);
    lastTickNs = now;
  });
  clock.start();
  ticker.start();
  QTimer::singleShot(0, [&] { work([] { QCoreApplication::quit(); }); });
  QApplication::exec();
  return maxStallMs;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const int seconds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 60;
  const telvane::ui::Resources noResources;
  telvane::qt::QtUi ui(noResources, 9);

  telvane::sim::PhoneState state = telvane::sim::DemoPhone();
  state.operators.searchSeconds = 0;
  telvane::sim::ServeOptions options;
  options.baudRate = kBaud;
  options.latency = std::chrono::milliseconds(static_cast<int>(kLatencyMs));
  const auto phone = telvane::sim::PtyPhone::Start(state, options);
  const auto irda = telvane::link::MakeSystemIrdaProvider();
  telvane::link::PhoneLink link(*irda, nullptr);
  if (!link.OpenSerialPort(phone->DevicePath(), std::chrono::milliseconds(0))) {
    std::fprintf(stderr, "cannot open the simulated phone at %s\n", phone->DevicePath().c_str());
    return 1;
  }
  telvane::link::Exchange exchange(link, {}, telvane::qt::WaitInEventLoop);
  exchange.SendCommand("ATE0");
  exchange.SendCommand("AT+CREG=2");

  int refreshes = 0;
  QTimer refresh;
  const double monitorStall = LongestStall([&](std::function<void()> done) {
    QObject::connect(&refresh, &QTimer::timeout, [&, done] {
      telvane::network::ReadNetStatus(exchange);
      if (++refreshes * 2 >= seconds) {
        refresh.stop();
        done();
      }
    });
    telvane::network::ReadNetStatus(exchange);
    refresh.start(2000);
  });

  std::size_t known = 0, preferred = 0, found = 0;
  const double openingStall = LongestStall([&](std::function<void()> done) {
    const auto list = telvane::network::ReadKnownOperators(exchange).value_or(
        std::vector<telvane::network::KnownOperator>{});
    known = list.size();
    if (const auto entries = telvane::network::ReadPreferredOperators(exchange, list)) {
      preferred = entries->size();
    }
    if (const auto networks = telvane::network::SearchNetworks(exchange)) found = networks->size();
    done();
  });

  // The known list alone, timed, with the bytes that crossed the wire.
  std::size_t bytes = 2 + 6;  // the leading line break and "\r\nOK\r\n"
  std::size_t lines = 0;
  const auto start = std::chrono::steady_clock::now();
  const bool read = exchange.SendLongCommand("AT^SPLM", [&](std::string_view line) {
    bytes += line.size() + 2;
    ++lines;
  });
  const double readMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const double wireMs = double(bytes) * 10.0 * 1000.0 / kBaud + kLatencyMs;
  const double ratio = readMs / wireMs;

  std::printf("Network exchanges (57600 baud, 20 ms latency, offscreen Qt)\n");
  std::printf("  net monitor, %d refreshes in %d s: max stall %8.2f ms (target < %.0f ms)\n",
              refreshes + 1, seconds, monitorStall, kTargetStallMs);
  std::printf(
      "  net information opening (%zu known, %zu preferred, %zu found): max stall %8.2f ms\n",
      known, preferred, found, openingStall);
  std::printf(
      "  AT^SPLM: %zu lines, %zu bytes, %.1f ms read, %.1f ms wire: ratio %.3f (target <= %.1f)\n",
      lines, bytes, readMs, wireMs, ratio, kTargetRatio);
  const bool pass = read && monitorStall < kTargetStallMs && openingStall < kTargetStallMs &&
                    ratio <= kTargetRatio;
  std::printf("  result: %s\n", pass ? "PASS" : "FAIL");
  return pass ? 0 : 1;
}
