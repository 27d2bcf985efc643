#pragma once

#include <atomic>
#include <ctime>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "base/unique_fd.h"
#include "sim/at_engine.h"
#include "sim/faults.h"
#include "sim/pty_device.h"
#include "sim/pty_phone.h"
#include "sim/transcript.h"
#include "sim/wire_pacer.h"

namespace telvane::sim {

// Serves the engine on the pty master with a poll() loop: reads what the client sends,
// paces it and the answers at the baud rate, applies faults, keeps the transcript.
class PtyServer {
 public:
  static constexpr std::size_t kMaxQueuedInput = 65536;
  // A client that sends without reading is held off (its input waits) beyond this much
  // unsent output, as flow control would hold it off on a real line.
  static constexpr std::size_t kMaxPendingOutput = 262144;

  PtyServer(PhoneState state, ServeOptions options);  // throws std::runtime_error

  const std::string& DevicePath() const { return devicePath_; }
  void Run();          // until RequestStop(); never throws
  void RequestStop();  // thread-safe
  void AddFault(Fault fault);
  PhoneState Snapshot() const;
  Transcript& Log() { return transcript_; }
  const Transcript& Log() const { return transcript_; }
  // Saves the state file now; records and returns false on failure.
  bool SaveState();
  std::optional<std::string> SaveError() const;

 private:
  using Clock = WirePacer::Clock;

  void ServeDue(Clock::time_point now);
  void HandleByte(char byte, Clock::time_point now);
  void HandleUnit(const ReceivedUnit& unit, Clock::time_point now);
  // The engine's answer to the unit as changed by the fault (engine lock held).
  std::string AnswerWithFault(const ReceivedUnit& unit, FaultKind kind);
  void ReadInput(Clock::time_point now);
  void FlushWrites();
  void LineGone();
  std::optional<timespec> PollTimeout(Clock::time_point now) const;
  bool OutputBacklogged() const;

  ServeOptions options_;
  PtyDevice device_;
  std::string devicePath_;
  base::UniqueFd wake_;
  std::atomic<bool> stop_{false};

  mutable std::mutex engineMutex_;
  AtEngine engine_;
  FaultSet faults_;
  Transcript transcript_;

  WirePacer input_;
  WirePacer output_;
  std::string writeBuffer_;
  std::string heldEcho_;

  mutable std::mutex saveMutex_;
  std::optional<std::string> saveError_;
};

}  // namespace telvane::sim
