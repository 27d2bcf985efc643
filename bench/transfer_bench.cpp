// Sending a 5000-byte logo (100 blocks of 50 bytes) to the simulated phone at 57600 baud
// with the program's file writer, as a ratio to the wire time of its block headers, data
// lines and answers (plus the phone's latency before each answer when one is set).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "base/file_handle.h"
#include "logo_file.h"
#include "objects/object_file.h"
#include "paced_link.h"
#include "wire_report.h"

namespace {

using telvane::bench::kLogoBytes;
using telvane::bench::LogoFile;

using Clock = std::chrono::steady_clock;

constexpr int kBaudRate = 57600;

// Argument: the phone's latency before each answer, in milliseconds.
void BM_SendLogo5000Bytes(benchmark::State& state) {
  const std::chrono::milliseconds latency(state.range(0));
  telvane::bench::PacedLink paced(telvane::sim::DemoPhone(), kBaudRate, latency);
  const auto file = LogoFile();
  if (!file || !paced.opened) {
    state.SkipWithError("cannot open the simulated phone or the logo file");
    return;
  }
  telvane::objects::SilentTransferFeedback feedback;
  Clock::duration spent{};
  telvane::bench::WireLimit limit;
  for (auto _ : state) {
    std::rewind(file.get());
    paced.phone->ClearTranscript();
    const auto start = Clock::now();
    const bool sent =
        telvane::objects::WriteBinaryObject(
            paced.exchange, feedback, telvane::objects::ObjectType::kBmp, 0, file.get(), kLogoBytes)
            .done;
    spent += Clock::now() - start;
    if (!sent) {
      state.SkipWithError("the phone refused the logo");
      break;
    }
    limit = telvane::bench::CountWire(paced.phone->Transcript());
  }
  if (paced.phone->StateSnapshot().objects["bmp"][0].size() != kLogoBytes) {
    state.SkipWithError("the phone did not store the whole logo");
  }
  telvane::bench::ReportAgainstWire(state, spent, limit, kBaudRate, latency);
}

BENCHMARK(BM_SendLogo5000Bytes)
    ->Arg(0)
    ->Arg(20)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
