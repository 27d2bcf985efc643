#include "link/unsolicited.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace telvane::link {
namespace {

struct KnownCode {
  std::string_view text;  // what the line starts with
  std::string_view stem;  // the command name that asks for it; empty for none
  bool wholeLine;         // the line is exactly `text`
};

constexpr KnownCode kKnownCodes[] = {
    {"RING", "", true},           {"+CRING:", "+CRING", false}, {"+CLIP:", "+CLIP", false},
    {"+CMTI:", "+CMTI", false},   {"+CDSI:", "+CDSI", false},   {"+CREG:", "+CREG", false},
    {"+CGREG:", "+CGREG", false}, {"+CUSD:", "+CUSD", false},   {"^SBC:", "^SBC", false},
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool IsUnsolicited(std::string_view line, std::string_view command) {
  for (const KnownCode& code : kKnownCodes) {
    const bool matches = code.wholeLine ? line == code.text : line.starts_with(code.text);
    if (!matches) continue;
    return code.stem.empty() || command.find(code.stem) == std::string_view::npos;
  }
  return false;
}

void UnsolicitedQueue::Push(UnsolicitedCode code) {
  if (codes_.size() == kCapacity) codes_.pop_front();
  codes_.push_back(std::move(code));
}

std::deque<UnsolicitedCode> UnsolicitedQueue::TakeAll() { return std::exchange(codes_, {}); }

void StaleLineCollector::Feed(std::string_view bytes,
                              std::chrono::steady_clock::time_point arrival) {
  for (const char byte : bytes) {
    if (!IsLineEnd(byte)) {
      if (line_.size() < kLineLimit) {
        line_ += byte;
      } else {
        overlong_ = true;
      }
      continue;
    }
    // No command asked for anything between two exchanges.
    if (!overlong_ && IsUnsolicited(line_, {})) queue_.Push({line_, arrival});
    line_.clear();
    overlong_ = false;
  }
}

std::size_t RemoveUnsolicited(std::span<char> answer, std::size_t size, std::string_view command,
                              std::chrono::steady_clock::time_point arrival,
                              UnsolicitedQueue& queue) {
  size = std::min(size, answer.size());
  std::size_t read = 0;
  std::size_t write = 0;
  while (read < size) {
    // A line runs up to its line end; the line ends behind it go with it.
    std::size_t end = read;
    while (end < size && !IsLineEnd(answer[end])) ++end;
    const std::string_view line(answer.data() + read, end - read);
    const bool complete = end < size;
    while (end < size && IsLineEnd(answer[end])) ++end;
    if (complete && IsUnsolicited(line, command)) {
      queue.Push({std::string(line), arrival});
    } else {
      std::memmove(answer.data() + write, answer.data() + read, end - read);
      write += end - read;
    }
    read = end;
  }
  std::fill(answer.begin() + static_cast<std::ptrdiff_t>(write),
            answer.begin() + static_cast<std::ptrdiff_t>(size), '\0');
  return write;
}

}  // namespace telvane::link
