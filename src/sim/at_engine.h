#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sim/command_table.h"
#include "sim/phone_clock.h"
#include "sim/phone_state.h"

namespace telvane::sim {

// A command line or data block as the phone received it.
struct ReceivedUnit {
  enum class Kind {
    kLine,            // ended by CR; the text without it
    kOverlongLine,    // longer than the input buffer; answered ERROR
    kBlock,           // data block ended by Ctrl-Z; the text without it
    kCancelledBlock,  // data block ended by ESC
    kOverlongBlock,   // data block longer than the block buffer; answered ERROR
  };
  Kind kind = Kind::kLine;
  std::string text;

  bool IsBlock() const { return kind != Kind::kLine && kind != Kind::kOverlongLine; }
};

// The phone's AT command interpreter: bytes in, bytes out, no I/O of its own.
class AtEngine {
 public:
  using Steady = std::chrono::steady_clock;
  using TimeSource = std::function<Steady::time_point()>;

  static constexpr std::size_t kMaxLineBytes = 4096;
  static constexpr std::size_t kMaxBlockBytes = 16384;

  explicit AtEngine(
      PhoneState state, CommandTable table = StandardCommandTable(),
      TimeSource now = [] { return Steady::now(); });

  // Takes one byte from the line. Appends the echo (if any) to `echo` and returns the command
  // line or data block that the byte completes.
  std::optional<ReceivedUnit> Receive(char byte, std::string& echo);
  // The answer to a completed line or block (empty when the phone says nothing).
  std::string Execute(const ReceivedUnit& unit);
  // ERROR in place of the answer, without running the command; a pending prompt is abandoned.
  std::string Refuse(const ReceivedUnit& unit);
  // Forgets the unit without answering; a pending prompt is abandoned.
  void Drop(const ReceivedUnit& unit);
  // Receive and Execute for each byte: everything the phone sends back.
  std::string Feed(std::string_view bytes);

  // Whether a line holds "AT" (in either case), which makes it a command line.
  static bool HasAttention(std::string_view line);

  bool PoweredOff() const { return session_.poweredOff; }
  // An unsolicited result code the phone could send now: the registration report while
  // AT+CREG=1/2 is on, else a ring.
  std::string UnsolicitedCode() const;
  const Session& SessionSettings() const { return session_; }
  // True once after a command changed the phone state.
  bool TakeStateChanged();
  // How long the phone works before the answer of the last command line goes out.
  std::chrono::milliseconds TakeAnswerDelay() { return std::exchange(answerDelay_, {}); }
  // The phone state with the clock as it reads now.
  PhoneState Snapshot() const;

 private:
  enum class Mode { kCommand, kBlock };

  std::string ExecuteLine(std::string_view line);
  std::string ExecuteBlock(const ReceivedUnit& unit);
  // Frames a reply; returns true when the command sequence goes on.
  bool AppendReply(Reply reply, std::string& out);
  std::string FrameLines(const std::vector<std::string>& lines) const;
  // Unsolicited result codes, each on a line of its own; none in quiet mode.
  std::string FrameUnsolicited(const std::vector<std::string>& codes) const;
  std::string FrameOk() const;
  std::string FrameError() const;
  // "+CME ERROR: 21" or "+CMS ERROR: invalid memory index" as AT+CMEE asks, else ERROR.
  std::string FrameEquipmentError(std::string_view prefix, int number, std::string_view text) const;

  PhoneState state_;
  CommandTable table_;
  TimeSource now_;
  PhoneClock clock_;
  Session session_;
  Mode mode_ = Mode::kCommand;
  std::string input_;
  bool overlong_ = false;
  BlockHandler pendingBlock_;
  bool changed_ = false;
  std::chrono::milliseconds answerDelay_{0};
  std::vector<std::string> afterResult_;  // of the command line being executed
};

}  // namespace telvane::sim
