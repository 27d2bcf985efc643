#include "objects/hex_block.h"

#include "gsm/hex.h"
#include "link/answer_reader.h"
#include "link/exchange.h"

namespace telvane::objects {

namespace {

constexpr std::string_view kReadHeader = "^SBNR:";

struct BlockHeader {
  int block = 0;
  int total = 0;
};

// `"bmp",0,1,11` (the type may stand without quotes): the block number and the total,
// when the header names the expected object and both numbers are positive.
std::optional<BlockHeader> ReadHeader(link::AnswerCursor header, const ExpectedObject& expected) {
  if (const auto type = header.Quoted(); type && *type != expected.type) return std::nullopt;
  if (!header.SkipPast(',')) return std::nullopt;
  if (header.Number() != expected.index || !header.SkipPast(',')) return std::nullopt;
  const auto block = header.Number();
  if (!block || !header.SkipPast(',')) return std::nullopt;
  const auto total = header.Number();
  if (!total || *block <= 0 || *total <= 0) return std::nullopt;
  return BlockHeader{*block, *total};
}

// The bytes of a hex line of block `header`; none when the line is not whole hex pairs or
// its length does not fit the block's place in the object.
std::optional<std::string> ReadData(std::string_view hex, const BlockHeader& header,
                                    std::size_t blockSize) {
  if (hex.empty() || hex.size() % 2 != 0 || gsm::HexPrefixLength(hex) != hex.size())
    return std::nullopt;
  const std::size_t length = hex.size() / 2;
  const bool last = header.block == header.total;
  if (length > blockSize || (!last && length != blockSize)) return std::nullopt;
  return gsm::FromHex(hex);
}

// Moves over line ends; false when the cursor stops at another control character, which
// no line of this answer may hold.
bool NextLine(link::AnswerCursor& cursor) {
  cursor.SkipLineBreaks();
  return cursor.AtEnd() || static_cast<unsigned char>(cursor.Rest().front()) >= 0x20;
}

}  // namespace

std::optional<std::string> BuildDataLine(std::string_view blockBytes) {
  if (blockBytes.size() * 2 + 1 > kHexLineCapacity) return std::nullopt;
  std::string line = gsm::ToHex(blockBytes);
  line += link::kCtrlZ;
  return line;
}

ObjectAnswer DecodeObjectAnswer(std::string_view answer, const ExpectedObject& expected) {
  ObjectAnswer decoded;
  link::AnswerCursor cursor(answer);
  // What stands before the first header (an echo of the command) is passed over.
  if (!cursor.SkipTo(kReadHeader)) {
    decoded.status = ObjectAnswer::Status::kEmpty;
    return decoded;
  }
  const ObjectAnswer broken;
  int total = 0;
  for (;;) {  // the cursor stands behind a header's "^SBNR:"
    const auto numbers = ReadHeader(link::AnswerCursor(cursor.Line()), expected);
    const int next = static_cast<int>(decoded.blocks.size()) + 1;
    if (!numbers || numbers->block != next || (total != 0 && numbers->total != total))
      return broken;
    total = numbers->total;
    if (numbers->block > total || !NextLine(cursor)) return broken;
    auto bytes = ReadData(cursor.Line(), *numbers, expected.blockSize);
    if (!bytes || !NextLine(cursor)) return broken;
    decoded.blocks.push_back(std::move(*bytes));
    if (cursor.AtEnd()) break;
    if (cursor.StartsWith(kReadHeader)) {
      cursor.SkipTo(kReadHeader);
      continue;
    }
    if (cursor.Line() != "OK") return broken;
    break;
  }
  if (decoded.blocks.size() != static_cast<std::size_t>(total)) return broken;
  decoded.status = ObjectAnswer::Status::kWhole;
  return decoded;
}

}  // namespace telvane::objects
