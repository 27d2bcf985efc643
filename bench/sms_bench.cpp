// Sending a 1023-character reply (the longest a command module can give: 7 parts of 160
// characters) to the simulated phone at 57600 baud with the program's sending operation, as
// a ratio to the wire time of its commands, PDU lines and answers (plus the phone's latency
// before each answer when one is set).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "paced_link.h"
#include "sms/sms_sending.h"
#include "wire_report.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBaudRate = 57600;
constexpr std::size_t kReplyCharacters = 1023;

std::string ReplyText() {
  std::string text;
  for (std::size_t i = 0; i < kReplyCharacters; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

// Argument: the phone's latency before each answer, in milliseconds.
void BM_SendLongestReply(benchmark::State& state) {
  const std::chrono::milliseconds latency(state.range(0));
  telvane::bench::PacedLink paced(telvane::sim::DemoPhone(), kBaudRate, latency);
  if (!paced.opened) {
    state.SkipWithError("cannot open the simulated phone");
    return;
  }
  telvane::sms::SendSettings settings;
  settings.centreNumber = "+491770000000";
  telvane::sms::SendRequest request;
  request.text = ReplyText();
  request.recipient = "+491711234567";
  telvane::sms::SilentSendFeedback feedback;

  Clock::duration spent{};
  telvane::bench::WireLimit limit;
  for (auto _ : state) {
    paced.phone->ClearTranscript();
    const auto start = Clock::now();
    const telvane::sms::SendResult result = telvane::sms::SendSms(
        paced.exchange, settings, request, telvane::sms::SendMode::kCommandMode, feedback);
    spent += Clock::now() - start;
    if (result.partsSent != result.partCount || result.partCount != 7) {
      state.SkipWithError("the phone did not take every part");
      break;
    }
    limit = telvane::bench::CountWire(paced.phone->Transcript());
  }
  telvane::bench::ReportAgainstWire(state, spent, limit, kBaudRate, latency);
}

BENCHMARK(BM_SendLongestReply)
    ->Arg(0)
    ->Arg(20)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
