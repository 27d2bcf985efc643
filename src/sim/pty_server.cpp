#include "sim/pty_server.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace telvane::sim {
namespace {

std::string UnitTranscriptText(const ReceivedUnit& unit) {
  std::string text = EscapeForTranscript(unit.text);
  switch (unit.kind) {
    case ReceivedUnit::Kind::kBlock:
    case ReceivedUnit::Kind::kOverlongBlock: text += "<SUB>"; break;
    case ReceivedUnit::Kind::kCancelledBlock: text += "<ESC>"; break;
    case ReceivedUnit::Kind::kLine:
    case ReceivedUnit::Kind::kOverlongLine: break;
  }
  return text;
}

}  // namespace

PtyServer::PtyServer(PhoneState state, ServeOptions options)
    : options_(std::move(options)),
      device_(PtyDevice::Open()),
      devicePath_(device_.Path()),
      wake_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      engine_(state),
      transcript_(options_.transcriptFile),
      input_(options_.baudRate),
      output_(options_.baudRate) {
  if (!wake_.Valid()) {
    throw std::runtime_error(std::string("cannot create the wake-up event: ") +
                             std::strerror(errno));
  }
  if (options_.baudRate < 0 || options_.latency.count() < 0) {
    throw std::runtime_error("baud rate and latency must not be negative");
  }
  for (const Fault& fault : state.faults) {
    faults_.Add(fault);
  }
}

void PtyServer::RequestStop() {
  stop_ = true;
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = ::write(wake_.Get(), &one, sizeof one);
}

void PtyServer::AddFault(Fault fault) {
  faults_.Add(std::move(fault));
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t n = ::write(wake_.Get(), &one, sizeof one);
}

PhoneState PtyServer::Snapshot() const {
  std::lock_guard lock(engineMutex_);
  return engine_.Snapshot();
}

bool PtyServer::SaveState() {
  if (!options_.stateFile) {
    return true;
  }
  try {
    SavePhoneState(Snapshot(), *options_.stateFile);
    return true;
  } catch (const std::exception& error) {
    std::lock_guard lock(saveMutex_);
    saveError_ = error.what();
    std::fprintf(stderr, "telvane-sim: %s\n", error.what());
    return false;
  }
}

std::optional<std::string> PtyServer::SaveError() const {
  std::lock_guard lock(saveMutex_);
  return saveError_;
}

void PtyServer::Run() {
  // Paced bytes are due every few hundred microseconds; the default timer slack of 50 us
  // would show up in every byte run.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  try {
    while (!stop_) {
      ServeDue(Clock::now());
      std::array<pollfd, 2> fds{};
      fds[0].fd = wake_.Get();
      fds[0].events = POLLIN;
      nfds_t count = 1;
      if (device_.IsOpen()) {
        fds[1].fd = device_.Master();
        if (input_.QueuedBytes() < kMaxQueuedInput) {
          fds[1].events |= POLLIN;
        }
        if (!writeBuffer_.empty()) {
          fds[1].events |= POLLOUT;
        }
        count = 2;
      }
      // Nanosecond time-outs: rounding up to whole milliseconds would stretch every paced
      // byte run by up to a millisecond.
      const std::optional<timespec> timeout = PollTimeout(Clock::now());
      const int ready = ::ppoll(fds.data(), count, timeout ? &*timeout : nullptr, nullptr);
      if (ready < 0) {
        if (errno == EINTR) {
          continue;
        }
        throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
      }
      if (fds[0].revents & POLLIN) {
        std::uint64_t value = 0;
        [[maybe_unused]] const ssize_t n = ::read(wake_.Get(), &value, sizeof value);
      }
      if (count == 2 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
        ReadInput(Clock::now());
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "telvane-sim: the phone stopped serving: %s\n", error.what());
  }
}

std::optional<timespec> PtyServer::PollTimeout(Clock::time_point now) const {
  // Held-off input waits for the client to read, which poll() reports.
  std::optional<Clock::time_point> next = OutputBacklogged() ? std::nullopt : input_.NextDue();
  if (const auto out = output_.NextDue(); out && (!next || *out < next)) {
    next = out;
  }
  if (!next) {
    return std::nullopt;
  }
  const auto wait =
      std::clamp<Clock::duration>(*next - now, Clock::duration::zero(), std::chrono::seconds(60));
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
  timespec timeout{};
  timeout.tv_sec = static_cast<time_t>(seconds.count());
  timeout.tv_nsec = static_cast<long>(std::chrono::nanoseconds(wait - seconds).count());
  return timeout;
}

void PtyServer::ReadInput(Clock::time_point now) {
  std::array<char, 4096> buffer{};
  while (device_.IsOpen() && input_.QueuedBytes() < kMaxQueuedInput) {
    const ssize_t n = ::read(device_.Master(), buffer.data(), buffer.size());
    if (n > 0) {
      input_.Schedule(std::string_view(buffer.data(), static_cast<std::size_t>(n)), now);
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    }
    // EIO or end of file: no client side any more (cannot happen while the slave is held).
    LineGone();
    return;
  }
}

bool PtyServer::OutputBacklogged() const {
  return writeBuffer_.size() + output_.QueuedBytes() >= kMaxPendingOutput;
}

void PtyServer::ServeDue(Clock::time_point now) {
  constexpr std::size_t kSlice = 256;
  while (device_.IsOpen() && !OutputBacklogged()) {
    const std::string due = input_.TakeDue(now, kSlice);
    if (due.empty()) {
      break;
    }
    for (char byte : due) {
      HandleByte(byte, now);
    }
  }
  writeBuffer_ += output_.TakeDue(now);
  FlushWrites();
}

void PtyServer::HandleByte(char byte, Clock::time_point now) {
  std::string echo;
  std::optional<ReceivedUnit> unit;
  {
    std::lock_guard lock(engineMutex_);
    unit = engine_.Receive(byte, echo);
  }
  // While a no-answer fault waits, the echo is held until the line shows whether it fires.
  if (!echo.empty()) {
    if (faults_.HasPending(FaultKind::NoAnswer)) {
      heldEcho_ += echo;
    } else {
      output_.Schedule(heldEcho_ + echo, now);
      heldEcho_.clear();
    }
  }
  if (unit) {
    HandleUnit(*unit, now);
  }
}

void PtyServer::HandleUnit(const ReceivedUnit& unit, Clock::time_point now) {
  transcript_.Received(UnitTranscriptText(unit));
  std::string echo = std::exchange(heldEcho_, {});
  // Faults strike commands and data blocks, not the noise a phone ignores.
  const bool command = unit.kind != ReceivedUnit::Kind::kLine || AtEngine::HasAttention(unit.text);
  const std::optional<Fault> fault = command ? faults_.Take(unit.text) : std::nullopt;
  if (fault && fault->kind == FaultKind::NoAnswer) {
    echo.clear();
  }
  std::string answer;
  bool changed = false;
  std::chrono::milliseconds delay{0};
  {
    std::lock_guard lock(engineMutex_);
    answer = fault ? AnswerWithFault(unit, fault->kind) : engine_.Execute(unit);
    changed = engine_.TakeStateChanged();
    delay = engine_.TakeAnswerDelay();
  }
  if (fault && fault->kind == FaultKind::LineGone) {
    LineGone();
    return;
  }
  output_.Schedule(echo, now);
  if (!answer.empty()) {
    transcript_.Sent(answer);
    output_.Schedule(answer, now + options_.latency + delay);
  }
  if (changed && options_.saveOnChange) {
    SaveState();
  }
}

std::string PtyServer::AnswerWithFault(const ReceivedUnit& unit, FaultKind kind) {
  switch (kind) {
    case FaultKind::NoAnswer:  // the phone never got the line
    case FaultKind::LineGone: engine_.Drop(unit); return {};
    case FaultKind::Flood: engine_.Drop(unit); return FloodLines();
    case FaultKind::Error: return engine_.Refuse(unit);
    case FaultKind::CutOff: return CutOffAnswer(engine_.Execute(unit));
    case FaultKind::Garbage: return GarbageBefore(engine_.Execute(unit));
    case FaultKind::RingBeforeResult:
      return InsertBeforeResult(engine_.Execute(unit), "RING", engine_.SessionSettings().verbose);
    case FaultKind::MessageBeforeResult:
      return InsertBeforeResult(engine_.Execute(unit), kNewMessageCode,
                                engine_.SessionSettings().verbose);
    case FaultKind::BlanksAfterCommas: return WithBlanksAfterCommas(engine_.Execute(unit));
    case FaultKind::DropBlock: return WithoutBlock(engine_.Execute(unit));
    case FaultKind::RepeatBlock: return WithBlockRepeated(engine_.Execute(unit));
    case FaultKind::UnsolicitedInside: {
      const std::string answer = engine_.Execute(unit);
      return InsertUnsolicited(answer, engine_.UnsolicitedCode(),
                               engine_.SessionSettings().verbose);
    }
  }
  return {};
}

void PtyServer::FlushWrites() {
  while (!writeBuffer_.empty() && device_.IsOpen()) {
    const ssize_t n = ::write(device_.Master(), writeBuffer_.data(), writeBuffer_.size());
    if (n > 0) {
      writeBuffer_.erase(0, static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      return;
    }
    LineGone();
    return;
  }
}

void PtyServer::LineGone() {
  device_.Close();
  input_.Clear();
  output_.Clear();
  writeBuffer_.clear();
  heldEcho_.clear();
}

}  // namespace telvane::sim
