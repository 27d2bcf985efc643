// Time of one short exchange (AT+CBC) against the simulated phone, as a ratio to the
// time its bytes take on the wire at 57600 baud (10 bits a byte).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "link/exchange.h"
#include "link/irda_provider.h"
#include "link/phone_link.h"
#include "sim/pty_phone.h"

namespace {

using Clock = std::chrono::steady_clock;

void ShortExchange(benchmark::State& state, int baudRate, bool countingWaits) {
  telvane::sim::ServeOptions options;
  options.baudRate = baudRate;
  auto phone = telvane::sim::PtyPhone::Start(telvane::sim::DemoPhone(), options);
  auto irda = telvane::link::MakeSystemIrdaProvider();
  telvane::link::PhoneLink link(*irda, nullptr);
  if (!link.OpenSerialPort(phone->DevicePath(), std::chrono::milliseconds(0))) {
    state.SkipWithError("cannot open the simulated phone");
    return;
  }
  long waits = 0;  // calls of a counting waiter
  telvane::link::Exchange exchange(
      link, {},
      countingWaits
          ? telvane::link::LinkWaiter([&](int fd, short events, std::chrono::milliseconds limit) {
              ++waits;
              return telvane::link::PollWait(fd, events, limit);
            })
          : nullptr);
  exchange.SendCommand("ATE0");

  const std::string command = "AT+CBC";
  std::size_t answerBytes = 0;
  Clock::duration spent{};
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!exchange.SendCommand(command)) {
      state.SkipWithError("exchange failed");
      break;
    }
    spent += Clock::now() - start;
    answerBytes = exchange.Answer().size();
  }
  const double wireSeconds = double(command.size() + 1 + answerBytes) * 10.0 / 57600.0;
  const double perExchange =
      std::chrono::duration<double>(spent).count() / double(state.iterations());
  state.counters["wire_ms"] = wireSeconds * 1e3;
  state.counters["exchange_ms"] = perExchange * 1e3;
  state.counters["ratio_to_wire"] = perExchange / wireSeconds;
  state.counters["waits_per_exchange"] = double(waits) / double(state.iterations());
}

void BM_ShortExchangeAt57600(benchmark::State& state) { ShortExchange(state, 57600, false); }
void BM_ShortExchangeAt57600CountingWaits(benchmark::State& state) {
  ShortExchange(state, 57600, true);
}
void BM_ShortExchangeUnpaced(benchmark::State& state) { ShortExchange(state, 0, false); }

BENCHMARK(BM_ShortExchangeAt57600)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ShortExchangeAt57600CountingWaits)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_ShortExchangeUnpaced)->UseRealTime()->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
