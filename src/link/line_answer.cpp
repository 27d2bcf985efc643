// Reading an answer line by line, for answers longer than the answer buffer (a phone's
// whole operator list). Each complete line goes to the caller as it arrives; only a line
// that is a final result code ends the answer, so no information line can end it early.
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "link/exchange.h"

namespace telvane::link {
namespace {

using std::chrono::milliseconds;

milliseconds Left(Exchange::Clock::time_point deadline) {
  return std::max(std::chrono::duration_cast<milliseconds>(deadline - Exchange::Clock::now()),
                  milliseconds(0));
}

// 1 for "OK", 0 for an error, none for an information line.
std::optional<int> LineVerdict(std::string_view line) {
  if (line == "OK") return 1;
  if (line == "ERROR" || line.starts_with("+CME ERROR:") || line.starts_with("+CMS ERROR:")) {
    return 0;
  }
  return std::nullopt;
}

}  // namespace

ssize_t Exchange::ReadAvailable(char* into, std::size_t size) {
  ssize_t n;
  do {
    n = link_.Kind() == LinkKind::Irda ? ::recv(link_.Fd(), into, size, MSG_DONTWAIT)
                                       : ::read(link_.Fd(), into, size);
  } while (n < 0 && errno == EINTR);
  return n;
}

bool Exchange::WaitForMore(Clock::time_point deadline, bool& readableButEmpty) {
  // A device that reports input and then delivers none twice in a row has hung up.
  if (readableButEmpty) {
    failure_ = ExchangeFailure::ReadFailed;
    return false;
  }
  bool hangUp = false;
  const milliseconds left = Left(deadline);
  if (left.count() == 0 || !WaitReadable(std::min(timing_.stallLimit, left), hangUp)) {
    failure_ = hangUp                        ? ExchangeFailure::ReadFailed
               : Left(deadline).count() == 0 ? ExchangeFailure::TooLong
                                             : ExchangeFailure::Stalled;
    return false;
  }
  readableButEmpty = true;
  return true;
}

int Exchange::ReceiveLines(const LineSink& onLine, std::string_view command) {
  ClearAnswer();
  const auto deadline = Clock::now() + timing_.answerLimit;
  bool hangUp = false;
  if (!WaitReadable(timing_.firstByteWait, hangUp)) {
    failure_ = hangUp ? ExchangeFailure::ReadFailed : ExchangeFailure::NoAnswer;
    return 0;
  }
  std::string line;
  std::size_t total = 0;
  std::array<char, 512> chunk;
  bool readableButEmpty = false;
  for (;;) {
    const ssize_t n = ReadAvailable(chunk.data(), chunk.size());
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      failure_ = ExchangeFailure::ReadFailed;
      return 0;
    }
    if (n <= 0) {
      if (!WaitForMore(deadline, readableButEmpty)) return 0;
      continue;
    }
    readableButEmpty = false;
    total += static_cast<std::size_t>(n);
    if (total > kLineAnswerLimit) {
      failure_ = ExchangeFailure::TooLong;
      return 0;
    }
    for (ssize_t i = 0; i < n; ++i) {
      const char byte = chunk[static_cast<std::size_t>(i)];
      if (byte == '\r') continue;
      if (byte != '\n') {
        if (line.size() + 1 >= answer_.size()) {
          failure_ = ExchangeFailure::TooLong;
          return 0;
        }
        line += byte == '\0' ? '@' : byte;
        continue;
      }
      if (const auto verdict = LineVerdict(line)) {
        std::copy(line.begin(), line.end(), answer_.begin());
        if (*verdict == 0) failure_ = ExchangeFailure::ErrorResult;
        KeepLeftover(chunk.data() + i + 1, chunk.data() + n);
        return *verdict;
      }
      // A code the phone sent on its own is no line of the answer.
      if (IsUnsolicited(line, command)) {
        unsolicited_.Push({line, Clock::now()});
      } else if (!line.empty()) {
        onLine(line);
      }
      line.clear();
    }
  }
}

}  // namespace telvane::link
