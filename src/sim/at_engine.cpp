#include "sim/at_engine.h"

#include <cctype>
#include <utility>

#include "sim/command_line_parser.h"
#include "sim/incoming_call.h"
#include "sim/sms_delivery.h"

namespace telvane::sim {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kBackspace = '\b';
constexpr char kCtrlZ = '\x1a';
constexpr char kEscape = '\x1b';

// A modem locks on to "AT" (or "at") anywhere in the line; what comes before is noise.
std::optional<std::size_t> FindAttention(std::string_view line) {
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(line[i])) == 'A' &&
        std::toupper(static_cast<unsigned char>(line[i + 1])) == 'T') {
      return i;
    }
  }
  return std::nullopt;
}

}  // namespace

AtEngine::AtEngine(PhoneState state, CommandTable table, TimeSource now)
    : state_(std::move(state)),
      table_(std::move(table)),
      now_(std::move(now)),
      clock_(state_.clock, now_()) {
  StoreWaitingMessages(state_);  // a waiting message takes a place the file left free
}

std::optional<ReceivedUnit> AtEngine::Receive(char byte, std::string& echo) {
  if (session_.poweredOff) {
    return std::nullopt;
  }
  if (mode_ == Mode::kBlock) {
    if (byte == kCtrlZ || byte == kEscape) {
      mode_ = Mode::kCommand;
      ReceivedUnit unit;
      unit.kind = byte == kEscape ? ReceivedUnit::Kind::kCancelledBlock
                  : overlong_     ? ReceivedUnit::Kind::kOverlongBlock
                                  : ReceivedUnit::Kind::kBlock;
      unit.text = std::exchange(input_, {});
      overlong_ = false;
      return unit;
    }
    if (session_.echo) {
      echo += byte;
    }
    if (input_.size() < kMaxBlockBytes) {
      input_ += byte;
    } else {
      overlong_ = true;
    }
    return std::nullopt;
  }

  if (byte == '\0') {
    return std::nullopt;  // some clients end a number with a zero byte; a modem ignores it
  }
  if (session_.echo) {
    echo += byte;
  }
  if (byte == kLineFeed) {
    return std::nullopt;
  }
  if (byte == kBackspace) {
    if (!input_.empty() && !overlong_) {
      input_.pop_back();
    }
    return std::nullopt;
  }
  if (byte != kCarriageReturn) {
    if (input_.size() < kMaxLineBytes) {
      input_ += byte;
    } else {
      overlong_ = true;
    }
    return std::nullopt;
  }
  ReceivedUnit unit;
  unit.kind = overlong_ ? ReceivedUnit::Kind::kOverlongLine : ReceivedUnit::Kind::kLine;
  unit.text = std::exchange(input_, {});
  overlong_ = false;
  if (unit.kind == ReceivedUnit::Kind::kLine && unit.text.empty()) {
    return std::nullopt;  // a bare CR is no command
  }
  return unit;
}

std::string AtEngine::Execute(const ReceivedUnit& unit) {
  switch (unit.kind) {
    case ReceivedUnit::Kind::kLine: return ExecuteLine(unit.text);
    case ReceivedUnit::Kind::kOverlongLine: return FrameError();
    case ReceivedUnit::Kind::kBlock:
    case ReceivedUnit::Kind::kCancelledBlock:
    case ReceivedUnit::Kind::kOverlongBlock: return ExecuteBlock(unit);
  }
  return {};
}

std::string AtEngine::Refuse(const ReceivedUnit& unit) {
  Drop(unit);
  return FrameError();
}

void AtEngine::Drop(const ReceivedUnit& unit) {
  if (unit.IsBlock()) {
    pendingBlock_ = nullptr;
  }
}

std::string AtEngine::Feed(std::string_view bytes) {
  std::string out;
  for (char byte : bytes) {
    if (auto unit = Receive(byte, out)) {
      out += Execute(*unit);
    }
  }
  return out;
}

bool AtEngine::HasAttention(std::string_view line) { return FindAttention(line).has_value(); }

std::string AtEngine::UnsolicitedCode() const {
  if (session_.cregMode == 0) {
    return "RING";
  }
  const NetworkStatus& status = state_.status;
  const int registration = session_.functionality == 0 ? 0 : status.registration;
  std::string code = "+CREG: " + std::to_string(registration);
  if (session_.cregMode == 2 && (registration == 1 || registration == 5)) {
    code += ",\"" + status.lac + "\",\"" + status.ci + "\"";
  }
  return code;
}

bool AtEngine::TakeStateChanged() { return std::exchange(changed_, false); }

PhoneState AtEngine::Snapshot() const {
  PhoneState copy = state_;
  copy.clock = clock_.Read(now_());
  return copy;
}

std::string AtEngine::ExecuteLine(std::string_view line) {
  const auto attention = FindAttention(line);
  if (!attention) {
    return {};
  }
  const auto commands = ParseCommandLine(line.substr(*attention + 2));
  if (!commands) {
    return FrameError();
  }
  CommandContext context(state_, session_, clock_, now_());
  std::string out;
  bool goOn = true;
  for (const CommandRequest& request : *commands) {
    const CommandHandler* handler = table_.Find(request.name);
    goOn = handler != nullptr ? AppendReply((*handler)(context, request), out)
                              : AppendReply(Reply::Error(), out);
    if (!goOn || session_.poweredOff) {
      break;
    }
  }
  changed_ = changed_ || context.Changed();
  if (goOn) {
    out += FrameOk();
  }
  std::vector<std::string> codes = std::exchange(afterResult_, {});
  if (mode_ == Mode::kCommand && !session_.poweredOff) {
    const std::vector<std::string> ring = IncomingCallCodes(context);
    codes.insert(codes.end(), ring.begin(), ring.end());
  }
  return out + FrameUnsolicited(codes);
}

std::string AtEngine::ExecuteBlock(const ReceivedUnit& unit) {
  BlockHandler handler = std::exchange(pendingBlock_, nullptr);
  if (!handler) {
    return FrameError();
  }
  if (unit.kind == ReceivedUnit::Kind::kCancelledBlock) {
    return FrameOk();
  }
  if (unit.kind == ReceivedUnit::Kind::kOverlongBlock) {
    return FrameError();
  }
  CommandContext context(state_, session_, clock_, now_());
  std::string out;
  if (AppendReply(handler(context, unit.text), out)) {
    out += FrameOk();
  }
  changed_ = changed_ || context.Changed();
  return out;
}

bool AtEngine::AppendReply(Reply reply, std::string& out) {
  answerDelay_ += reply.delay;
  afterResult_.insert(afterResult_.end(), reply.afterResult.begin(), reply.afterResult.end());
  out += FrameLines(reply.lines);
  switch (reply.outcome) {
    case Reply::Outcome::kOk: return true;
    case Reply::Outcome::kError: out += FrameError(); return false;
    case Reply::Outcome::kCmeError:
      out +=
          FrameEquipmentError("+CME ERROR: ", static_cast<int>(reply.cme), CmeErrorText(reply.cme));
      return false;
    case Reply::Outcome::kCmsError:
      out +=
          FrameEquipmentError("+CMS ERROR: ", static_cast<int>(reply.cms), CmsErrorText(reply.cms));
      return false;
    case Reply::Outcome::kResultCode:
      if (!session_.quiet) {
        out += session_.verbose ? "\r\n" + reply.resultText + "\r\n"
                                : std::to_string(reply.resultNumber) + "\r";
      }
      return false;
    case Reply::Outcome::kPrompt:
      pendingBlock_ = std::move(reply.onBlock);
      mode_ = Mode::kBlock;
      input_.clear();
      overlong_ = false;
      out += "\r\n> ";
      return false;
  }
  return false;
}

std::string AtEngine::FrameLines(const std::vector<std::string>& lines) const {
  std::string out;
  if (lines.empty()) {
    return out;
  }
  if (session_.verbose) {
    out += "\r\n";
  }
  for (const std::string& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string AtEngine::FrameUnsolicited(const std::vector<std::string>& codes) const {
  std::string out;
  if (session_.quiet) {
    return out;
  }
  for (const std::string& code : codes) {
    out += session_.verbose ? "\r\n" + code + "\r\n" : code + "\r\n";
  }
  return out;
}

std::string AtEngine::FrameOk() const {
  if (session_.quiet) {
    return {};
  }
  return session_.verbose ? "\r\nOK\r\n" : "0\r";
}

std::string AtEngine::FrameError() const {
  if (session_.quiet) {
    return {};
  }
  return session_.verbose ? "\r\nERROR\r\n" : "4\r";
}

std::string AtEngine::FrameEquipmentError(std::string_view prefix, int number,
                                          std::string_view text) const {
  if (session_.cmee == 0) {
    return FrameError();
  }
  if (session_.quiet) {
    return {};
  }
  const std::string line =
      std::string(prefix) + (session_.cmee == 1 ? std::to_string(number) : std::string(text));
  return session_.verbose ? "\r\n" + line + "\r\n" : line + "\r\n";
}

}  // namespace telvane::sim
