// A scripted phone on a real pseudo-terminal: each command line (ended by CR, or a data
// block ended by Ctrl-Z) received on the device is recorded and answered with the next
// queued reaction. Lets exchange tests control every byte and its timing.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace telvane::testing {

struct PeerStep {
  std::chrono::milliseconds delay{0};
  std::string bytes;
  bool hangUp = false;  // close the pty master: the line goes away
};

class PtyPeer {
 public:
  PtyPeer();
  ~PtyPeer();
  PtyPeer(const PtyPeer&) = delete;
  PtyPeer& operator=(const PtyPeer&) = delete;

  const std::string& DevicePath() const { return devicePath_; }

  // Queues the reaction to the next line received; lines without a queued reaction
  // get no answer.
  void OnNextLine(std::vector<PeerStep> steps);
  void Reply(std::string bytes) { OnNextLine({PeerStep{{}, std::move(bytes)}}); }
  // Writes bytes at once, outside any command.
  void SendNow(const std::string& bytes);

  std::vector<std::string> Lines() const;
  bool WaitForLines(std::size_t count, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;
  // Waits until every queued reaction has been carried out to its last step.
  bool WaitForReactions(std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

 private:
  void Serve();
  void WriteAll(const std::string& bytes);

  int master_ = -1;
  int slave_ = -1;     // kept open so the device keeps its settings between opens
  int stopPipe_[2] = {-1, -1};
  std::string devicePath_;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::deque<std::vector<PeerStep>> reactions_;
  std::vector<std::string> lines_;
  bool reacting_ = false;
  std::thread thread_;
};

}  // namespace telvane::testing
