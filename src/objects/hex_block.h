// The wire form of binary object blocks: the data line sent after a block header, and
// the decoder of an AT^SBNR answer ("^SBNR: "bmp",0,1,2" lines, each followed by a line
// of hex digits).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::objects {

// The hex text of one block with its Ctrl-Z is built within this many characters.
inline constexpr std::size_t kHexLineCapacity = 512;
// Bytes of one decoded block for the logo and ring tone reads.
inline constexpr std::size_t kDecodeBufferSize = 512;

// Every byte as two upper-case hex digits, then Ctrl-Z (no CR, no LF). None when the
// line would not fit in kHexLineCapacity.
std::optional<std::string> BuildDataLine(std::string_view blockBytes);

// The total block count of the answer's first "^SBNR:" header: the number after the
// third comma of that header line. None when the header is missing or carries no
// positive total.
std::optional<int> AnswerBlockTotal(std::string_view answer);

enum class BlockDecode {
  kBlock,      // `bytes` holds the next block
  kEnd,        // no further "^SBNR:" header
  kTooLong,    // the hex line holds more bytes than the reader accepts
  kMalformed,  // a header without a following line, or a line that is not whole hex pairs
};

// Walks the blocks of one AT^SBNR answer in order. The hex line of a block runs from the
// line after its "^SBNR:" header to the next CR (or LF, or the end of the answer).
class AnswerBlockReader {
 public:
  AnswerBlockReader(std::string_view answer, std::size_t maxBlockBytes)
      : answer_(answer), maxBlockBytes_(maxBlockBytes) {}

  // Decodes the next block into `bytes` (replacing its content). After kTooLong or
  // kMalformed the reader stays at the bad block: the read is to be given up.
  BlockDecode Next(std::string& bytes);

 private:
  std::string_view answer_;
  std::size_t maxBlockBytes_;
  std::size_t position_ = 0;
};

}  // namespace telvane::objects
