#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

// Bytes in flight on a serial wire: each byte becomes due when its last bit has crossed the
// wire at the baud rate (10 bits a byte), one after the other. Baud rate 0: no pacing.
class WirePacer {
 public:
  using Clock = std::chrono::steady_clock;

  explicit WirePacer(int baudRate);

  // Queues bytes that start crossing the wire no earlier than `earliest`.
  void Schedule(std::string_view bytes, Clock::time_point earliest);
  // The bytes due at `now`, in order, at most `limit` of them.
  std::string TakeDue(Clock::time_point now, std::size_t limit = SIZE_MAX);
  // When the next byte is due, or nothing when the queue is empty.
  std::optional<Clock::time_point> NextDue() const;
  std::size_t QueuedBytes() const { return queued_; }
  void Clear();

 private:
  struct Chunk {
    std::string bytes;
    std::size_t taken = 0;
    Clock::time_point start;
  };

  Clock::time_point DueOf(const Chunk& chunk, std::size_t index) const;

  Clock::duration byteTime_{0};
  std::deque<Chunk> chunks_;
  Clock::time_point lineFree_{};  // when the last queued byte has crossed the wire
  std::size_t queued_ = 0;
};

}  // namespace telvane::sim
