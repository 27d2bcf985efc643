// Reading a full organizer (50 slots, each an entry of two blocks) from the simulated phone
// at 57600 baud with 20 ms before each answer, with the program's reading, as a ratio to
// the wire time of its commands and answers plus the latency (target: 1.1 or less).
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "organizer/organizer_reading.h"
#include "paced_link.h"
#include "wire_report.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kBaudRate = 57600;
constexpr std::chrono::milliseconds kLatency{20};

telvane::sim::PhoneState FullOrganizer() {
  telvane::sim::PhoneState state = telvane::sim::DemoPhone();
  auto& slots = state.objects["vcs"];
  slots.clear();
  for (int slot = 1; slot <= 50; ++slot) {
    slots[slot] =
        "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:MEETING\r\nRRULE:W1\r\n"
        "DTSTART:20270105T093000\r\nDALARM:20270105T093000\r\nAALARM:20270105T093000\r\n"
        "DESCRIPTION:Termin " +
        std::to_string(slot) + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
  }
  return state;
}

void BM_ReadFullOrganizer(benchmark::State& state) {
  telvane::bench::PacedLink paced(FullOrganizer(), kBaudRate, kLatency);
  if (!paced.opened) {
    state.SkipWithError("cannot open the simulated phone");
    return;
  }
  Clock::duration spent{};
  telvane::bench::WireLimit limit;
  for (auto _ : state) {
    paced.phone->ClearTranscript();
    const auto start = Clock::now();
    const auto reading = telvane::organizer::ReadOrganizer(paced.exchange, 9);
    spent += Clock::now() - start;
    if (reading.stopped || reading.rows.size() != 50 || reading.rows.back().date.empty()) {
      state.SkipWithError("the organizer was not read");
      break;
    }
    limit = telvane::bench::CountWire(paced.phone->Transcript());
  }
  telvane::bench::ReportAgainstWire(state, spent, limit, kBaudRate, kLatency);
}

BENCHMARK(BM_ReadFullOrganizer)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
