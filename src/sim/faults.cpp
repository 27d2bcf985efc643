#include "sim/faults.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace telvane::sim {
namespace {

struct KindName {
  FaultKind kind;
  std::string_view name;
};

constexpr std::array<KindName, 12> kKindNames{{
    {FaultKind::NoAnswer, "noAnswer"},
    {FaultKind::CutOff, "cutOff"},
    {FaultKind::Garbage, "garbage"},
    {FaultKind::UnsolicitedInside, "unsolicitedInside"},
    {FaultKind::RingBeforeResult, "ringBeforeResult"},
    {FaultKind::MessageBeforeResult, "messageBeforeResult"},
    {FaultKind::BlanksAfterCommas, "blanksAfterCommas"},
    {FaultKind::Error, "error"},
    {FaultKind::Flood, "flood"},
    {FaultKind::LineGone, "lineGone"},
    {FaultKind::DropBlock, "dropBlock"},
    {FaultKind::RepeatBlock, "repeatBlock"},
}};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) {
    return false;
  }
  return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
  });
}

// Where each information line of `answer` starts, and where the information lines end:
// the non-empty lines ended by CR LF, less the final result when the answer ends with
// CR LF (verbose) rather than with a numeric result's lone CR.
struct InformationLines {
  std::vector<std::size_t> starts;
  std::size_t end = 0;
};

InformationLines FindInformationLines(std::string_view answer) {
  InformationLines lines;
  std::vector<std::size_t> ends;
  for (std::size_t pos = 0; pos < answer.size();) {
    const std::size_t end = answer.find("\r\n", pos);
    if (end == std::string_view::npos) break;
    if (end > pos) {
      lines.starts.push_back(pos);
      ends.push_back(end + 2);
    }
    pos = end + 2;
  }
  if (answer.ends_with("\r\n") && !lines.starts.empty()) {
    lines.starts.pop_back();
    ends.pop_back();
  }
  lines.end = ends.empty() ? 0 : ends.back();
  lines.starts.push_back(lines.end);  // where a next line would start
  return lines;
}

// Noise as a disturbed line delivers it: zero bytes, high bytes and control codes,
// but nothing that reads as a result code or a prompt.
constexpr std::string_view kGarbage{"\x00\xff\x80\x9c\x01\xe4\x00\xfe\x13", 9};

}  // namespace

std::string_view FaultKindName(FaultKind kind) {
  for (const auto& entry : kKindNames) {
    if (entry.kind == kind) {
      return entry.name;
    }
  }
  return "unknown";
}

std::optional<FaultKind> FaultKindFromName(std::string_view name) {
  for (const auto& entry : kKindNames) {
    if (entry.name == name) {
      return entry.kind;
    }
  }
  return std::nullopt;
}

void FaultSet::Add(Fault fault) {
  if (fault.count == 0 || fault.count < -1) {
    return;
  }
  std::lock_guard lock(mutex_);
  faults_.push_back(std::move(fault));
}

std::optional<Fault> FaultSet::Take(std::string_view received) {
  std::lock_guard lock(mutex_);
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (!StartsWithNoCase(received, it->command)) {
      continue;
    }
    Fault fired = *it;
    if (it->count > 0 && --it->count == 0) {
      faults_.erase(it);
    }
    return fired;
  }
  return std::nullopt;
}

bool FaultSet::HasPending(FaultKind kind) const {
  std::lock_guard lock(mutex_);
  return std::any_of(faults_.begin(), faults_.end(),
                     [kind](const Fault& fault) { return fault.kind == kind; });
}

std::string CutOffAnswer(std::string_view answer) {
  // Half of the answer, at least one byte: never the complete final result code.
  const std::size_t keep = std::max<std::size_t>(1, answer.size() / 2);
  return std::string(answer.substr(0, std::min(keep, answer.size())));
}

std::string GarbageBefore(std::string_view answer) {
  std::string out(kGarbage);
  out.append(answer);
  return out;
}

std::string InsertUnsolicited(std::string_view answer, std::string_view code, bool verbose) {
  const std::string urc =
      verbose ? "\r\n" + std::string(code) + "\r\n" : std::string(code) + "\r\n";
  // After the first complete information line, else at the start (before the final result).
  std::size_t at = 0;
  std::size_t pos = 0;
  while (pos < answer.size()) {
    const std::size_t end = answer.find("\r\n", pos);
    if (end == std::string_view::npos) {
      break;
    }
    if (end > pos) {
      const std::size_t rest = end + 2;
      // Only when more follows: the last line is the final result code.
      if (answer.find("\r\n", rest) != std::string_view::npos || rest < answer.size()) {
        at = rest;
      }
      break;
    }
    pos = end + 2;
  }
  std::string out(answer.substr(0, at));
  out += urc;
  out.append(answer.substr(at));
  return out;
}

std::string InsertBeforeResult(std::string_view answer, std::string_view code, bool verbose) {
  // Verbose: the final result is the last "\r\n<result>\r\n"; numeric: the last line.
  std::size_t at = 0;
  if (verbose) {
    const std::size_t end = answer.size() >= 4 ? answer.size() - 4 : 0;
    const std::size_t start = answer.rfind("\r\n", end);
    at = start == std::string_view::npos ? 0 : start;
  } else {
    const std::size_t end = answer.size() >= 2 ? answer.size() - 2 : 0;
    const std::size_t start = answer.find_last_of('\n', end);
    at = start == std::string_view::npos ? 0 : start + 1;
  }
  std::string out(answer.substr(0, at));
  out += verbose ? "\r\n" + std::string(code) + "\r\n" : std::string(code) + "\r\n";
  out.append(answer.substr(at));
  return out;
}

std::string WithBlanksAfterCommas(std::string_view answer) {
  std::string out;
  bool quoted = false;
  for (const char c : answer) {
    out += c;
    if (c == '"') quoted = !quoted;
    if (c == '\n') quoted = false;
    if (c == ',' && !quoted) out += ' ';
  }
  return out;
}

std::string WithoutBlock(std::string_view answer) {
  const InformationLines lines = FindInformationLines(answer);
  if (lines.starts.size() < 5) return std::string(answer);
  std::string out(answer.substr(0, lines.starts[2]));
  out.append(answer.substr(lines.starts[4]));
  return out;
}

std::string WithBlockRepeated(std::string_view answer) {
  const InformationLines lines = FindInformationLines(answer);
  if (lines.starts.size() < 3) return std::string(answer);
  const std::size_t blockEnd = lines.starts[2];
  std::string out(answer.substr(0, blockEnd));
  out.append(answer.substr(lines.starts[0], blockEnd - lines.starts[0]));
  out.append(answer.substr(blockEnd));
  return out;
}

std::string FloodLines() {
  std::string out;
  out.reserve(kFloodBytes + 64);
  for (int n = 1; out.size() < kFloodBytes; ++n) {
    char line[64];
    std::snprintf(line, sizeof line, "\r\n+FLOOD: %05d,0123456789ABCDEF0123456789ABCDEF\r\n", n);
    out += line;
  }
  return out;
}

}  // namespace telvane::sim
