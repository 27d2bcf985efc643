// The counters every paced benchmark reports: its exchanges, bytes on the wire, the time
// taken per iteration, the wire limit and the ratio of the two.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

#include "wire_limit.h"

namespace telvane::bench {

inline void ReportAgainstWire(benchmark::State& state, std::chrono::steady_clock::duration spent,
                              const WireLimit& limit, int baudRate,
                              std::chrono::milliseconds latency) {
  const double seconds = std::chrono::duration<double>(spent).count() / double(state.iterations());
  const double limitSeconds = limit.Seconds(baudRate, latency);
  state.counters["exchanges"] = double(limit.answeredUnits);
  state.counters["wire_bytes"] = double(limit.sentBytes + limit.answerBytes);
  state.counters["send_ms"] = seconds * 1e3;
  state.counters["limit_ms"] = limitSeconds * 1e3;
  state.counters["ratio_to_limit"] = seconds / limitSeconds;
}

}  // namespace telvane::bench
