#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "sim/faults.h"
#include "sim/phone_state.h"

namespace telvane::sim {

struct ServeOptions {
  // Written back on Stop(), or after each change with saveOnChange.
  std::optional<std::filesystem::path> stateFile;
  bool saveOnChange = false;
  std::optional<std::filesystem::path> transcriptFile;  // appended, flushed per line
  int baudRate = 0;                                     // 0: no pacing
  std::chrono::milliseconds latency{0};                 // before each answer
};

class PtyServer;

// A simulated phone on a new pty, served from its own thread.
class PtyPhone {
 public:
  // Throws std::runtime_error with a clear text.
  static std::unique_ptr<PtyPhone> Start(PhoneState state, ServeOptions options);
  ~PtyPhone();  // Stop()
  PtyPhone(const PtyPhone&) = delete;
  PtyPhone& operator=(const PtyPhone&) = delete;

  const std::string& DevicePath() const;        // the slave device, e.g. /dev/pts/7
  std::vector<std::string> Transcript() const;  // thread-safe copy of the lines so far
  void ClearTranscript();
  void AddFault(Fault fault);        // thread-safe
  PhoneState StateSnapshot() const;  // thread-safe copy
  void Stop();                       // idempotent; saves the state when a state file is set
  // The last failure to save the state file (after a change or on Stop), if any.
  std::optional<std::string> SaveError() const;

 private:
  PtyPhone(std::unique_ptr<PtyServer> server, ServeOptions options);

  std::unique_ptr<PtyServer> server_;
  ServeOptions options_;
  std::thread thread_;
  bool stopped_ = false;
};

PhoneState DemoPhone();
// Throws std::runtime_error naming the file and problem.
PhoneState LoadPhoneState(const std::filesystem::path& file);
// Atomic: temp file + rename.
void SavePhoneState(const PhoneState& state, const std::filesystem::path& file);

}  // namespace telvane::sim
