#include "link/exchange.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace telvane::link {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr char kEscape = 0x1B;

// Calls `test` with each complete line of `text` (one that starts at the text's start or
// after a line feed and ends with CR LF), without its CR LF, until `test` returns true.
// Returns the offset of that line, or npos.
template <typename Test>
std::size_t FindCompleteLine(std::string_view text, Test test) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t feed = text.find('\n', start);
    if (feed == std::string_view::npos) return std::string_view::npos;
    if (feed > start && text[feed - 1] == '\r' && test(text.substr(start, feed - 1 - start))) {
      return start;
    }
    start = feed + 1;
  }
}

milliseconds Remaining(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
  return std::max(left, milliseconds(0));
}

// A command line may not carry anything that ends or cancels a line on the phone; a
// data block may end with its Ctrl-Z but carry no other control character.
bool AcceptableLine(std::string_view text, bool raw) {
  if (text.size() + (raw ? 0 : 1) >= (raw ? kDataBlockSize : kCommandLineSize)) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n' || c == '\0' || c == kEscape) return false;
    if (c == kCtrlZ && !(raw && i + 1 == text.size())) return false;
  }
  return true;
}

}  // namespace

Exchange::Exchange(PhoneLink& link, ExchangeTiming timing, LinkWaiter waiter)
    : link_(link), timing_(timing) {
  SetWaiter(std::move(waiter));
}

void Exchange::SetWaiter(LinkWaiter waiter) {
  waiter_ = waiter ? std::move(waiter) : LinkWaiter(PollWait);
}

bool Exchange::SendCommand(std::string_view command) {
  return Run(Operation::Command, command, false) != 0;
}

int Exchange::SendDialCommand(std::string_view command) {
  return Run(Operation::Dial, command, false);
}

bool Exchange::SendPromptCommand(std::string_view text, bool raw) {
  return Run(Operation::Prompt, text, raw) != 0;
}

bool Exchange::SendLongCommand(std::string_view command) {
  return Run(Operation::Long, command, false) != 0;
}

std::string_view Exchange::Answer() const {
  const void* zero = std::memchr(answer_.data(), 0, answer_.size());
  const std::size_t length =
      zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - answer_.data())
           : answer_.size();
  return {answer_.data(), length};
}

std::optional<std::string_view> Exchange::LastAnswerToken() {
  const std::string_view text = Answer();
  // The final result is the line "OK": a word such as "NOTEBOOK" ending in it is data.
  const std::size_t ok = FindCompleteLine(text, [](std::string_view line) { return line == "OK"; });
  if (ok == std::string_view::npos) return std::nullopt;
  std::size_t end = ok;  // one past the token's last character
  while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  if (end == 0) return std::nullopt;
  answer_[end] = '\0';
  std::size_t begin = end;
  while (begin > 0 && static_cast<unsigned char>(text[begin - 1]) > 0x20) --begin;
  return std::string_view(answer_.data() + begin, end - begin);
}

void Exchange::ClearAnswer() {
  answer_.fill('\0');
  lineStart_ = 0;
}

bool Exchange::SendLongCommand(std::string_view command, const LineSink& onLine) {
  return Run(Operation::Long, command, false, &onLine) != 0;
}

int Exchange::Run(Operation op, std::string_view text, bool raw, const LineSink* onLine) {
  if (busy_) {
    failure_ = ExchangeFailure::Busy;
    return 0;
  }
  busy_ = true;
  failure_ = ExchangeFailure::None;
  int result = 0;
  if (link_.Fd() < 0) {
    failure_ = ExchangeFailure::NotOpen;
  } else if (!AcceptableLine(text, raw)) {
    failure_ = ExchangeFailure::Refused;
  } else {
    DiscardStaleInput();
    if (SendLine(text, raw)) {
      result = onLine != nullptr                ? ReceiveLines(*onLine, text)
               : link_.Kind() == LinkKind::Irda ? ReceiveIrda(op)
                                                : ReceiveSerial(op);
      // Codes the phone sent on its own in the middle of the answer belong to no command.
      RemoveUnsolicited(answer_, Answer().size(), text, Clock::now(), unsolicited_);
    }
  }
  busy_ = false;
  return result;
}

void Exchange::DiscardStaleInput() {
  // Whatever the phone sent after the previous final result (the rest of an answer, an
  // unsolicited result code) belongs to no command; the codes among it are kept. A line
  // that never stops talking is read for a bounded time only, then the command goes out.
  const auto deadline = Clock::now() + kStaleInputTime;
  std::size_t discarded = 0;
  std::array<char, 512> scratch;
  while (discarded < kStaleInputLimit && Clock::now() < deadline) {
    const ssize_t n = ReadAvailable(scratch.data(), scratch.size());
    if (n <= 0) break;
    discarded += static_cast<std::size_t>(n);
    KeepLeftover(scratch.data(), scratch.data() + n);
  }
  leftover_.DropPartialLine();
}

void Exchange::KeepLeftover(const char* begin, const char* end) {
  leftover_.Feed(std::string_view(begin, static_cast<std::size_t>(end - begin)), Clock::now());
}

bool Exchange::SendLine(std::string_view text, bool raw) {
  std::string line(text);
  if (!raw) line += '\r';
  const auto deadline = Clock::now() + milliseconds(5000);
  std::size_t sent = 0;
  while (sent < line.size()) {
    const ssize_t n = link_.Kind() == LinkKind::Irda
                          ? ::send(link_.Fd(), line.data() + sent, line.size() - sent, MSG_NOSIGNAL)
                          : ::write(link_.Fd(), line.data() + sent, line.size() - sent);
    if (n > 0) {
      sent += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const milliseconds left = Remaining(deadline);
      if (left.count() > 0 && waiter_(link_.Fd(), POLLOUT, left) == WaitOutcome::Ready) continue;
    }
    failure_ = ExchangeFailure::WriteFailed;
    return false;
  }
  return true;
}

bool Exchange::WaitReadable(milliseconds limit, bool& hangUp) {
  const WaitOutcome outcome = waiter_(link_.Fd(), POLLIN, limit);
  hangUp = outcome == WaitOutcome::HangUp;
  return outcome == WaitOutcome::Ready;
}

Exchange::Verdict Exchange::FinalResult(Operation op, std::string_view text,
                                        std::optional<std::size_t> lineStart) {
  // Each code is a whole line: exactly `text`, or starting with it for the extended
  // errors; a name or a model that holds such a word is data.
  struct Code {
    Operation op;
    std::string_view text;
    bool prefix;
    int verdict;
    bool serialOnly = false;  // not looked for in a whole answer
  };
  static constexpr Code kCodes[] = {
      {Operation::Command, "OK", false, 1},
      {Operation::Command, "ERROR", false, 0},
      {Operation::Command, "+CME ERROR:", true, 0},
      {Operation::Command, "+CMS ERROR:", true, 0},
      {Operation::Dial, "OK", false, kDialOk},
      {Operation::Dial, "ERROR", false, kDialFailed},
      {Operation::Dial, "NO CARRIER", false, kDialNoCarrier},
      {Operation::Dial, "NO DIALTONE", false, kDialNoDialtone},
      {Operation::Dial, "BUSY", false, kDialBusy},
      {Operation::Prompt, "OK", false, 1},
      {Operation::Prompt, "ERROR", false, 0, true},
      {Operation::Long, "OK", false, 1},
      {Operation::Long, "ERROR", false, 0},
  };
  const std::string_view scope = lineStart ? text.substr(*lineStart) : text;
  for (const Code& code : kCodes) {
    if (code.op != op || (code.serialOnly && !lineStart)) continue;
    const auto matches = [&code](std::string_view line) {
      return code.prefix ? line.starts_with(code.text) : line == code.text;
    };
    if (FindCompleteLine(scope, matches) != std::string_view::npos) return code.verdict;
  }
  return std::nullopt;
}

Exchange::Verdict Exchange::TestAfterByte(Operation op, std::size_t end, char byte) {
  // Every final result but the prompt is a whole line, so only the line that the line
  // feed just completed can be a new one: testing it gives the same results as
  // searching the whole answer after every byte.
  Verdict verdict;
  if (op == Operation::Prompt && byte == '>' && end - 1 == lineStart_) {  // "> " opens a line
    verdict = 1;
  } else if (byte == '\n') {
    verdict = FinalResult(op, std::string_view(answer_.data(), end), lineStart_);
    lineStart_ = end;
  }
  if (verdict && *verdict == 0) failure_ = ExchangeFailure::ErrorResult;
  return verdict;
}

int Exchange::ReceiveSerial(Operation op) {
  ClearAnswer();
  const auto start = Clock::now();
  const auto answerDeadline = start + timing_.answerLimit;
  bool hangUp = false;
  if (!WaitReadable(timing_.firstByteWait, hangUp)) {
    failure_ = hangUp ? ExchangeFailure::ReadFailed : ExchangeFailure::NoAnswer;
    return 0;
  }
  std::size_t pos = 0;
  std::array<char, 512> chunk;
  bool readableButEmpty = false;
  for (;;) {
    const ssize_t n = ::read(link_.Fd(), chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
      failure_ = ExchangeFailure::ReadFailed;  // EIO: the other side of the line went away
      return 0;
    }
    if (n <= 0) {
      // A raw terminal with no minimum count reads 0 when nothing is waiting. A device
      // that reports input and then delivers none twice in a row has hung up.
      if (readableButEmpty) {
        failure_ = ExchangeFailure::ReadFailed;
        return 0;
      }
      const milliseconds left = Remaining(answerDeadline);
      if (left.count() == 0) {
        failure_ = ExchangeFailure::TooLong;
        return 0;
      }
      if (!WaitReadable(std::min(timing_.stallLimit, left), hangUp)) {
        failure_ = hangUp                                   ? ExchangeFailure::ReadFailed
                   : Remaining(answerDeadline).count() == 0 ? ExchangeFailure::TooLong
                                                            : ExchangeFailure::Stalled;
        return 0;
      }
      readableButEmpty = true;
      continue;
    }
    readableButEmpty = false;
    for (ssize_t i = 0; i < n; ++i) {
      const char byte = chunk[static_cast<std::size_t>(i)];
      answer_[pos] = (byte == '\0' && op == Operation::Command) ? '@' : byte;
      ++pos;
      if (const Verdict verdict = TestAfterByte(op, pos, byte)) {
        KeepLeftover(chunk.data() + i + 1, chunk.data() + n);
        return *verdict;
      }
      if (pos + 1 >= answer_.size()) {  // keep the last byte for the terminator
        failure_ = ExchangeFailure::TooLong;
        return 0;
      }
    }
  }
}

Exchange::Verdict Exchange::TestWholeAnswer(Operation op, std::size_t size) const {
  return FinalResult(op, std::string_view(answer_.data(), size), std::nullopt);
}

ssize_t Exchange::ReceiveIrdaBytes(std::size_t pos) {
  const std::size_t room = answer_.size() - 1 - pos;  // keep the terminator
  ssize_t n;
  do {
    n = ::recv(link_.Fd(), answer_.data() + pos, room, MSG_DONTWAIT);
  } while (n < 0 && errno == EINTR);
  return n;
}

// A dial or a prompt: one single receive decides.
int Exchange::ReceiveIrdaOnce(Operation op) {
  bool hangUp = false;
  if (!WaitReadable(timing_.firstByteWait, hangUp)) {
    failure_ = hangUp ? ExchangeFailure::ReadFailed : ExchangeFailure::NoAnswer;
    return 0;
  }
  const ssize_t n = ReceiveIrdaBytes(0);
  if (n <= 0) {
    failure_ = ExchangeFailure::ReadFailed;
    return 0;
  }
  const std::size_t size = static_cast<std::size_t>(n);
  Verdict verdict = TestWholeAnswer(op, size);
  // The prompt "> " opens a line: the next-to-last byte, at the start or after a line feed.
  if (!verdict && op == Operation::Prompt && size >= 2 && answer_[size - 2] == '>' &&
      (size == 2 || answer_[size - 3] == '\n')) {
    verdict = 1;
  }
  if (!verdict || *verdict == 0)
    failure_ = verdict ? ExchangeFailure::ErrorResult : ExchangeFailure::NoResult;
  return verdict.value_or(0);
}

int Exchange::ReceiveIrda(Operation op) {
  ClearAnswer();
  if (op == Operation::Dial || op == Operation::Prompt) return ReceiveIrdaOnce(op);
  const auto answerDeadline = Clock::now() + timing_.answerLimit;
  bool hangUp = false;
  std::size_t pos = 0;
  milliseconds wait = timing_.firstByteWait;
  for (;;) {
    if (!WaitReadable(std::min(wait, Remaining(answerDeadline)), hangUp)) {
      failure_ = hangUp     ? ExchangeFailure::ReadFailed
                 : pos == 0 ? ExchangeFailure::NoAnswer
                            : ExchangeFailure::Stalled;
      return 0;
    }
    const ssize_t n = ReceiveIrdaBytes(pos);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) continue;
    if (n <= 0) {
      failure_ = ExchangeFailure::ReadFailed;
      return 0;
    }
    const std::size_t end = pos + static_cast<std::size_t>(n);
    if (op == Operation::Command)
      std::replace(answer_.begin() + pos, answer_.begin() + end, '\0', '@');
    pos = end;
    wait = timing_.stallLimit;
    if (answer_[pos - 1] == '\n') {
      if (const Verdict verdict = TestWholeAnswer(op, pos)) {
        if (*verdict == 0) failure_ = ExchangeFailure::ErrorResult;
        return *verdict;
      }
    }
    if (pos + 1 >= answer_.size()) {
      failure_ = ExchangeFailure::TooLong;
      return 0;
    }
  }
}

}  // namespace telvane::link
