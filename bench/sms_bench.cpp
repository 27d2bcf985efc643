// Sending a 1023-character reply (the longest a command module can give: 7 parts of 160
// characters) to the simulated phone at 57600 baud with the program's sending operation, as
// a ratio to the wire time of its commands, PDU lines and answers (plus the phone's latency
// before each answer when one is set). Reading the SMS list of 50 received 160-character
// messages at 57600 baud with 20 ms before each answer, with the program's reading and with
// gammu's "getallsms" of the same phone, each as a ratio to its own wire limit (target for
// the program: 1.1 or less).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "gammu_client.h"
#include "paced_link.h"
#include "sms/sms_list.h"
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

constexpr std::chrono::milliseconds kListLatency{20};
constexpr int kListedMessages = 50;

// SMS-DELIVER from +491701234567 on 02/05/17 08:30:00 with 160 "A"s in 7-bit codes.
std::string LongMessagePdu() {
  std::string pdu = "00040C91947110325476000020507180030040A0";
  for (int i = 0; i < 20; ++i) pdu += "C16030180C0683";
  return pdu;
}

telvane::sim::PhoneState FullMessageMemory() {
  telvane::sim::PhoneState state = telvane::sim::DemoPhone();
  state.messageCapacity = kListedMessages;
  state.messages.clear();
  for (int index = 1; index <= kListedMessages; ++index) {
    state.messages.push_back({index, 1, LongMessagePdu()});
  }
  return state;
}

// Times `read` per iteration; the counters come from the last one's transcript.
template <typename Read>
void TimeListAgainstWire(benchmark::State& state, telvane::bench::PacedLink& paced, Read read) {
  if (!paced.opened) {
    state.SkipWithError("cannot open the simulated phone");
    return;
  }
  Clock::duration spent{};
  telvane::bench::WireLimit limit;
  for (auto _ : state) {
    paced.phone->ClearTranscript();
    const auto start = Clock::now();
    const std::size_t messages = read();
    spent += Clock::now() - start;
    limit = telvane::bench::CountWire(paced.phone->Transcript());
    state.counters["messages"] = double(messages);
  }
  telvane::bench::ReportAgainstWire(state, spent, limit, kBaudRate, kListLatency);
}

void BM_ReadSmsList(benchmark::State& state) {
  telvane::bench::PacedLink paced(FullMessageMemory(), kBaudRate, kListLatency);
  const telvane::phonebook::ExternalBookTable book;
  TimeListAgainstWire(state, paced, [&]() -> std::size_t {
    const auto reading = telvane::sms::ReadSmsList(paced.exchange, book, false);
    if (reading.messageId != 0) state.SkipWithError("the list was not read");
    return reading.rows.size();
  });
}

void BM_GammuGetAllSms(benchmark::State& state) {
  telvane::bench::PacedLink paced(FullMessageMemory(), kBaudRate, kListLatency);
  paced.phoneLink.CloseLink();  // gammu has the line to itself
  const telvane::bench::GammuClient gammu(paced.phone->DevicePath());
  TimeListAgainstWire(state, paced, [&]() -> std::size_t {
    return telvane::bench::CountOccurrences(gammu.Run(state, "getallsms"), "Location ");
  });
}

BENCHMARK(BM_ReadSmsList)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GammuGetAllSms)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
