// The AT command exchange: one command line out, the phone's answer in, until a final
// result code arrives. The only code that writes to or reads from the phone link.
// Every answer is left in the 20480-byte answer buffer until the next exchange starts.
#pragma once

#include <sys/types.h>

#include <array>
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string_view>

#include "link/link_waiter.h"
#include "link/phone_link.h"
#include "link/unsolicited.h"

namespace telvane::link {

inline constexpr std::size_t kAnswerBufferSize = 20480;
// A command with its carriage return must stay below this.
inline constexpr std::size_t kCommandLineSize = 260;
// A raw data block after a prompt (an SMS PDU of up to 512 hex characters, a binary
// object block) with its Ctrl-Z.
inline constexpr std::size_t kDataBlockSize = 1024;

inline constexpr char kCtrlZ = 0x1A;

// Receives each complete line of an answer read line by line (without CR LF; empty lines
// are left out).
using LineSink = std::function<void(std::string_view line)>;
// Upper bound on one answer read line by line (an operator list of a thousand names is
// about 30 KB).
inline constexpr std::size_t kLineAnswerLimit = 262144;
// Input waiting before a command is sent belongs to no command and is read away, up to
// this much: a line that keeps talking cannot hold the command back for ever.
inline constexpr std::size_t kStaleInputLimit = 65536;
inline constexpr std::chrono::milliseconds kStaleInputTime{100};

struct ExchangeTiming {
  // How long the phone may take before the first byte of its answer.
  std::chrono::milliseconds firstByteWait{20000};
  // How long an IrDA peer may take to become readable before a receive.
  std::chrono::milliseconds readTimeout{5000};
  // Silence after the first byte that ends an unfinished answer as a failure.
  std::chrono::milliseconds stallLimit{20000};
  // Upper bound on one whole answer, however steadily it trickles in.
  std::chrono::milliseconds answerLimit{180000};
};

// Why the last exchange failed (results stay booleans and dial numbers; this is for
// diagnostics and tests).
enum class ExchangeFailure {
  None,
  Busy,     // called while another exchange was running
  NotOpen,  // no link
  Refused,  // command too long, or carrying a line break or control character
  WriteFailed,
  NoAnswer,     // no first byte within firstByteWait
  ReadFailed,   // read error or hang-up
  Stalled,      // the answer stopped before its final result
  TooLong,      // answer longer than the answer buffer, or than answerLimit
  ErrorResult,  // the phone answered ERROR (or a CME/CMS error)
  NoResult,     // IrDA single receive matched no final result
};

enum DialResult : int {
  kDialFailed = 0,
  kDialOk = 1,
  kDialNoCarrier = 2,
  kDialNoDialtone = 3,
  kDialBusy = 4
};

class Exchange {
 public:
  using Clock = std::chrono::steady_clock;

  // Every wait for the phone goes through `waiter` (default: PollWait). A GUI's waiter
  // keeps its event loop running meanwhile; whatever runs there must not start an
  // exchange (a nested call fails with Busy).
  Exchange(PhoneLink& link, ExchangeTiming timing = {}, LinkWaiter waiter = {});

  bool SendCommand(std::string_view command);
  int SendDialCommand(std::string_view command);
  // raw false: `text` is a command line asking for a prompt, sent with CR.
  // raw true: `text` is a data block sent as it stands (the caller ends it with Ctrl-Z).
  bool SendPromptCommand(std::string_view text, bool raw);
  bool SendLongCommand(std::string_view command);
  // Sends `command` and hands the answer over line by line as it arrives, so an answer
  // longer than the answer buffer is read whole: up to kLineAnswerLimit bytes, each line
  // shorter than the buffer. Ends on a line that is exactly "OK" (true) or "ERROR",
  // "+CME ERROR: ..." or "+CMS ERROR: ..." (false); the answer buffer then holds that line.
  bool SendLongCommand(std::string_view command, const LineSink& onLine);

  // The last word before the first line "OK" of the answer; ends the answer text right
  // after it. None when there is no such line or no word before it.
  std::optional<std::string_view> LastAnswerToken();

  // The answer buffer as a text: up to its first zero byte.
  std::string_view Answer() const;
  ExchangeFailure LastFailure() const { return failure_; }
  // The unsolicited codes taken out of the answers so far (at most the queue's capacity),
  // oldest first; the queue is empty afterwards.
  std::deque<UnsolicitedCode> TakeUnsolicited() { return unsolicited_.TakeAll(); }
  bool Busy() const { return busy_; }

  // An empty waiter restores PollWait.
  void SetWaiter(LinkWaiter waiter);
  void SetTiming(const ExchangeTiming& timing) { timing_ = timing; }
  const ExchangeTiming& Timing() const { return timing_; }

 private:
  enum class Operation { Command, Dial, Prompt, Long };
  // Outcome of one exchange: decided with a value, or still open.
  using Verdict = std::optional<int>;

  int Run(Operation op, std::string_view text, bool raw, const LineSink* onLine = nullptr);
  int ReceiveLines(const LineSink& onLine, std::string_view command);
  // One read (serial) or receive (IrDA) without waiting.
  ssize_t ReadAvailable(char* into, std::size_t size);
  // Waits for more input after an empty read; false (failure set) when none comes.
  bool WaitForMore(Clock::time_point deadline, bool& readableButEmpty);
  bool SendLine(std::string_view text, bool raw);
  int ReceiveSerial(Operation op);
  int ReceiveIrda(Operation op);
  int ReceiveIrdaOnce(Operation op);
  ssize_t ReceiveIrdaBytes(std::size_t pos);
  // The verdict of the first final result code of `op` that is a complete line of `text`:
  // with `lineStart` (the start of the last line) only that line, as each line feed
  // arrives; without it any line of the whole answer.
  static Verdict FinalResult(Operation op, std::string_view text,
                             std::optional<std::size_t> lineStart);
  Verdict TestAfterByte(Operation op, std::size_t end, char byte);
  Verdict TestWholeAnswer(Operation op, std::size_t size) const;
  void DiscardStaleInput();
  // Hands what a read brought behind the final result to `leftover_`.
  void KeepLeftover(const char* begin, const char* end);
  // Waits up to `limit` for input through the waiter; true when readable.
  bool WaitReadable(std::chrono::milliseconds limit, bool& hangUp);
  void ClearAnswer();

  PhoneLink& link_;
  ExchangeTiming timing_;
  LinkWaiter waiter_;
  std::array<char, kAnswerBufferSize> answer_{};
  std::size_t lineStart_ = 0;  // where the current answer line begins
  ExchangeFailure failure_ = ExchangeFailure::None;
  UnsolicitedQueue unsolicited_;
  // Input behind a final result, up to the next command: its unsolicited codes are kept.
  StaleLineCollector leftover_{unsolicited_};
  bool busy_ = false;
};

}  // namespace telvane::link
