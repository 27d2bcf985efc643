#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

// Misbehaviour the simulated phone shows on demand.
enum class FaultKind {
  NoAnswer,             // nothing at all for the command, not even its echo
  CutOff,               // the first part of the answer, then silence
  Garbage,              // noise bytes (with 0x00 and bytes >= 0x80) before the answer
  UnsolicitedInside,    // an unsolicited result code in the middle of the answer: "+CREG: ..."
                        // while registration reports are on (AT+CREG=1/2), else "RING"
  RingBeforeResult,     // "RING" between the answer's last line and its final result
  MessageBeforeResult,  // a new message indication ("+CMTI: ...") at the same place
  BlanksAfterCommas,    // a blank after every comma outside quotes: "+CSQ: 21, 99"
  Error,                // the command is answered ERROR and has no effect
  Flood,                // more than 20480 bytes of lines and no final result code
  LineGone,             // the line goes away: the pty master is closed
  DropBlock,            // information lines 3 and 4 left out (an AT^SBNR answer's block 2)
  RepeatBlock,          // information lines 1 and 2 sent twice (an AT^SBNR answer's block 1)
};

struct Fault {
  FaultKind kind = FaultKind::NoAnswer;
  std::string command;  // case-insensitive prefix of the received line; empty matches any
  int count = 1;        // how many times it fires; -1 = always
};

std::string_view FaultKindName(FaultKind kind);
std::optional<FaultKind> FaultKindFromName(std::string_view name);

// The faults waiting to fire; thread-safe.
class FaultSet {
 public:
  void Add(Fault fault);
  // The first fault whose prefix matches the received line, counted as fired.
  std::optional<Fault> Take(std::string_view received);
  bool HasPending(FaultKind kind) const;

 private:
  mutable std::mutex mutex_;
  std::vector<Fault> faults_;
};

// Answer transformations of the faults.
inline constexpr std::size_t kFloodBytes = 24576;
std::string CutOffAnswer(std::string_view answer);
std::string GarbageBefore(std::string_view answer);
std::string InsertUnsolicited(std::string_view answer, std::string_view code, bool verbose);
std::string FloodLines();
// `code` as a line of its own right in front of the answer's final result code.
std::string InsertBeforeResult(std::string_view answer, std::string_view code, bool verbose);
std::string WithBlanksAfterCommas(std::string_view answer);
// The answer without its third and fourth information line; unchanged with fewer.
std::string WithoutBlock(std::string_view answer);
// The answer with its first two information lines once more right behind them; unchanged
// with fewer.
std::string WithBlockRepeated(std::string_view answer);
inline constexpr std::string_view kNewMessageCode = "+CMTI: \"SM\",1";

}  // namespace telvane::sim
