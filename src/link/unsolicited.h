// Unsolicited result codes: lines the phone sends on its own (a call, a new message, a
// registration change) that may land inside the answer of any command. They are taken out
// of the answer and kept, newest last, in a small queue for the windows that want them.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <span>
#include <string>
#include <string_view>

namespace telvane::link {

struct UnsolicitedCode {
  std::string line;  // the whole line without its line end
  std::chrono::steady_clock::time_point arrival{};
};

// True when `line` is a known unsolicited code that `command` did not ask for: the
// command's own prefix (AT+CREG? and "+CREG:") keeps its line.
bool IsUnsolicited(std::string_view line, std::string_view command);

class UnsolicitedQueue {
 public:
  static constexpr std::size_t kCapacity = 16;

  // Keeps `code`; beyond the capacity the oldest goes.
  void Push(UnsolicitedCode code);
  // Hands out every kept code, oldest first, and empties the queue.
  std::deque<UnsolicitedCode> TakeAll();
  std::size_t Size() const { return codes_.size(); }

 private:
  std::deque<UnsolicitedCode> codes_;
};

// Splits input that belongs to no command (it arrived between two exchanges) into lines
// and keeps the unsolicited codes among them; every other line is dropped.
class StaleLineCollector {
 public:
  // A longer line is no unsolicited code and is dropped.
  static constexpr std::size_t kLineLimit = 1024;

  explicit StaleLineCollector(UnsolicitedQueue& queue) : queue_(queue) {}
  void Feed(std::string_view bytes, std::chrono::steady_clock::time_point arrival);
  // Drops an unfinished line (its rest arrives as part of an answer).
  void DropPartialLine() {
    line_.clear();
    overlong_ = false;
  }

 private:
  UnsolicitedQueue& queue_;
  std::string line_;
  bool overlong_ = false;
};

// Removes from `answer` (its first `size` bytes) every line that is an unsolicited code
// for `command`, with the line ends that follow it, and keeps each in `queue` with the
// time `arrival`. Returns the new size; the bytes behind it up to `size` become zero.
std::size_t RemoveUnsolicited(std::span<char> answer, std::size_t size, std::string_view command,
                              std::chrono::steady_clock::time_point arrival,
                              UnsolicitedQueue& queue);

}  // namespace telvane::link
