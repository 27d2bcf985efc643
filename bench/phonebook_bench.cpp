// Reading a full SIM book (250 positions) and a full address book (501 vCards) from the
// simulated phone at 57600 baud with 20 ms before each answer, with the program's own
// reading functions; and gammu reading the same SIM book from the same phone. Each time is
// given as a ratio to its limit: the wire time of every command and answer plus the
// latency of each. Target for the program: 1.1 or less.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

#include "gammu_client.h"
#include "paced_link.h"
#include "phonebook/address_book_reading.h"
#include "phonebook/book_reading.h"
#include "sim/pty_phone.h"
#include "wire_limit.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBaudRate = 57600;
constexpr std::chrono::milliseconds kLatency{20};
constexpr int kSimPositions = 250;
constexpr int kAddressObjects = 501;

std::string Padded(int value, int width) {
  std::string text = std::to_string(value);
  const auto wanted = static_cast<std::size_t>(width);
  if (text.size() < wanted) text.insert(0, wanted - text.size(), '0');
  return text;
}

// Every SIM position and every address book index filled.
telvane::sim::PhoneState FullPhone() {
  telvane::sim::PhoneState state = telvane::sim::DemoPhone();
  state.books.sim.entries.clear();
  for (int position = 1; position <= kSimPositions; ++position) {
    const std::string number = "+4917012" + Padded(position, 5);
    state.books.sim.entries[position] = {number, 145, "Kontakt " + Padded(position, 3)};
  }
  auto& cards = state.objects["vcf"];
  cards.clear();
  for (int index = 0; index < kAddressObjects; ++index) {
    const std::string n = Padded(index, 3);
    cards[index] = "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Nachname" + n + ";Vorname" + n +
                   "\r\nTEL;HOME:+49301234" + n + "\r\nTEL;CELL:+49170555" + n +
                   "\r\nEMAIL;INTERNET:person" + n + "@example.de\r\nEND:VCARD\r\n";
  }
  return state;
}

// The full phone served paced, with a link and an exchange open on it.
struct PacedPhone : telvane::bench::PacedLink {
  PacedPhone() : PacedLink(FullPhone(), kBaudRate, kLatency) {
    opened = opened && CountingMatchesTheWire();
  }
  // The transcript counts as many bytes as the exchange really sent and received.
  bool CountingMatchesTheWire() {
    std::size_t sent = 0, received = 0;
    phone->ClearTranscript();
    for (const std::string command : {"AT+CPBR=7", "AT^SBNR=\"vcf\",7", "AT+CPBR=?"}) {
      if (!exchange.SendCommand(command)) return false;
      sent += command.size() + 1;
      received += exchange.Answer().size();
    }
    const telvane::bench::WireLimit counted = telvane::bench::CountWire(phone->Transcript());
    return counted.sentBytes == sent && counted.answerBytes == received;
  }
};

// Times `read` per iteration and sets the counters from the transcript of the last one.
template <typename Read>
void TimeAgainstWire(benchmark::State& state, PacedPhone& paced, Read read) {
  if (!paced.opened) {
    state.SkipWithError("cannot open the simulated phone, or its transcript miscounts the bytes");
    return;
  }
  Clock::duration spent{};
  telvane::bench::WireLimit limit;
  for (auto _ : state) {
    paced.phone->ClearTranscript();
    const auto start = Clock::now();
    const std::size_t entries = read();
    spent += Clock::now() - start;
    limit = telvane::bench::CountWire(paced.phone->Transcript());
    state.counters["entries"] = double(entries);
  }
  const double seconds = std::chrono::duration<double>(spent).count() / double(state.iterations());
  const double limitSeconds = limit.Seconds(kBaudRate, kLatency);
  state.counters["commands"] = double(limit.answeredUnits);
  state.counters["wire_bytes"] = double(limit.sentBytes + limit.answerBytes);
  state.counters["read_s"] = seconds;
  state.counters["limit_s"] = limitSeconds;
  state.counters["ratio_to_limit"] = seconds / limitSeconds;
}

void BM_ReadSimBook(benchmark::State& state) {
  PacedPhone paced;
  auto store = std::make_unique<telvane::phonebook::PhonebookStore>();
  TimeAgainstWire(state, paced, [&]() -> std::size_t {
    if (!telvane::phonebook::SelectBook(paced.exchange, telvane::phonebook::Book::kSim) ||
        telvane::phonebook::ReadPhonebook(paced.exchange, *store, {}) !=
            telvane::phonebook::ReadResult::kRead) {
      state.SkipWithError("the SIM book read failed");
    }
    return store->EntryCount();
  });
}

void BM_ReadAddressBook(benchmark::State& state) {
  PacedPhone paced;
  auto store = std::make_unique<telvane::phonebook::PhonebookStore>();
  TimeAgainstWire(state, paced, [&]() -> std::size_t {
    telvane::phonebook::ReadAddressBook(paced.exchange, *store, {});
    return store->EntryCount();
  });
}

void BM_GammuGetAllMemorySm(benchmark::State& state) {
  PacedPhone paced;
  paced.phoneLink.CloseLink();  // gammu has the line to itself
  const telvane::bench::GammuClient gammu(paced.phone->DevicePath());
  TimeAgainstWire(state, paced, [&]() -> std::size_t {
    return telvane::bench::CountOccurrences(gammu.Run(state, "getallmemory SM"),
                                            "Memory SM, Location ");
  });
}

BENCHMARK(BM_ReadSimBook)->UseRealTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_GammuGetAllMemorySm)->UseRealTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_ReadAddressBook)->UseRealTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
