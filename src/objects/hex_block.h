// The wire form of binary object blocks: the data line sent after a block header, and
// the decoder of an AT^SBNR answer ("^SBNR: "bmp",0,1,2" lines, each followed by a line
// of hex digits).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::objects {

// The hex text of one block with its Ctrl-Z is built within this many characters.
inline constexpr std::size_t kHexLineCapacity = 512;

// Every byte as two upper-case hex digits, then Ctrl-Z (no CR, no LF). None when the
// line would not fit in kHexLineCapacity.
std::optional<std::string> BuildDataLine(std::string_view blockBytes);

// The object a read asked for: its headers must name it, and every block but the last
// carries exactly `blockSize` bytes (the last 1 to `blockSize`).
struct ExpectedObject {
  std::string_view type;  // "vcf", "vcs", "bmp", "mid"
  int index = 0;
  std::size_t blockSize = 0;
};

struct ObjectAnswer {
  enum class Status {
    kEmpty,   // no "^SBNR:" header at all: an empty slot
    kWhole,   // blocks 1 to N, each once, in order, with its hex line
    kBroken,  // the blocks do not add up; nothing of the answer may be used
  };
  Status status = Status::kBroken;
  std::vector<std::string> blocks;  // the decoded blocks in order (kWhole only)
};

// Decodes one AT^SBNR answer; what precedes its first header is passed over. It is whole
// only when every header names the object asked for with the same total N, the block
// numbers run 1 to N without a gap or repetition, each header is followed by a line of
// whole hex pairs of the length above, and nothing but blank lines stands between the
// blocks and before the final "OK".
ObjectAnswer DecodeObjectAnswer(std::string_view answer, const ExpectedObject& expected);

}  // namespace telvane::objects
