#include "sim/wire_pacer.h"

#include <algorithm>

namespace telvane::sim {

WirePacer::WirePacer(int baudRate) {
  if (baudRate > 0) {
    byteTime_ = std::chrono::duration_cast<Clock::duration>(
        std::chrono::nanoseconds{10'000'000'000LL / baudRate});
  }
}

void WirePacer::Schedule(std::string_view bytes, Clock::time_point earliest) {
  if (bytes.empty()) {
    return;
  }
  Chunk chunk;
  chunk.bytes = std::string(bytes);
  chunk.start = std::max(earliest, lineFree_);
  lineFree_ = chunk.start + byteTime_ * static_cast<long>(bytes.size());
  queued_ += bytes.size();
  chunks_.push_back(std::move(chunk));
}

WirePacer::Clock::time_point WirePacer::DueOf(const Chunk& chunk, std::size_t index) const {
  return chunk.start + byteTime_ * static_cast<long>(index + 1);
}

std::string WirePacer::TakeDue(Clock::time_point now, std::size_t limit) {
  std::string out;
  while (!chunks_.empty() && out.size() < limit) {
    Chunk& chunk = chunks_.front();
    std::size_t end = chunk.taken;
    if (byteTime_ == Clock::duration::zero()) {
      end = chunk.start <= now ? chunk.bytes.size() : chunk.taken;
    } else if (now >= chunk.start) {
      const auto due = static_cast<std::size_t>((now - chunk.start) / byteTime_);
      end = std::min(chunk.bytes.size(), std::max(chunk.taken, due));
    }
    end = chunk.taken + std::min(end - chunk.taken, limit - out.size());
    out.append(chunk.bytes, chunk.taken, end - chunk.taken);
    queued_ -= end - chunk.taken;
    chunk.taken = end;
    if (chunk.taken < chunk.bytes.size()) {
      break;
    }
    chunks_.pop_front();
  }
  return out;
}

std::optional<WirePacer::Clock::time_point> WirePacer::NextDue() const {
  if (chunks_.empty()) {
    return std::nullopt;
  }
  const Chunk& chunk = chunks_.front();
  return byteTime_ == Clock::duration::zero() ? chunk.start : DueOf(chunk, chunk.taken);
}

void WirePacer::Clear() {
  chunks_.clear();
  queued_ = 0;
}

}  // namespace telvane::sim
