#include "objects/hex_block.h"

#include "gsm/hex.h"
#include "link/answer_reader.h"
#include "link/exchange.h"

namespace telvane::objects {

namespace {

constexpr std::string_view kReadHeader = "^SBNR:";

std::size_t LineEnd(std::string_view text, std::size_t from) {
  const std::size_t end = text.find_first_of("\r\n", from);
  return end == std::string_view::npos ? text.size() : end;
}

}  // namespace

std::optional<std::string> BuildDataLine(std::string_view blockBytes) {
  if (blockBytes.size() * 2 + 1 > kHexLineCapacity) return std::nullopt;
  std::string line = gsm::ToHex(blockBytes);
  line += link::kCtrlZ;
  return line;
}

std::optional<int> AnswerBlockTotal(std::string_view answer) {
  // Only the header line itself counts: a header short of commas has no total.
  auto header = link::AnswerCursor(answer).LineAfter(kReadHeader);
  if (!header || !header->SkipPast(',') || !header->SkipPast(',') || !header->SkipPast(',')) {
    return std::nullopt;
  }
  const auto total = header->Number();
  if (!total || *total <= 0) return std::nullopt;
  return total;
}

BlockDecode AnswerBlockReader::Next(std::string& bytes) {
  bytes.clear();
  const std::size_t header = answer_.find(kReadHeader, position_);
  if (header == std::string_view::npos) return BlockDecode::kEnd;
  const std::size_t lineFeed = answer_.find('\n', header);
  if (lineFeed == std::string_view::npos) return BlockDecode::kMalformed;
  const std::size_t start = lineFeed + 1;
  const std::size_t end = LineEnd(answer_, start);
  const std::string_view hex = answer_.substr(start, end - start);
  if (hex.size() % 2 != 0 || gsm::HexPrefixLength(hex) != hex.size())
    return BlockDecode::kMalformed;
  if (hex.size() / 2 > maxBlockBytes_) return BlockDecode::kTooLong;
  bytes = gsm::FromHex(hex);
  position_ = end;
  return BlockDecode::kBlock;
}

}  // namespace telvane::objects
