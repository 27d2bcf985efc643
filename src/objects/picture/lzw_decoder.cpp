#include "objects/picture/lzw_decoder.h"

#include <algorithm>
#include <array>
#include <memory>

namespace telvane::objects {

namespace {

// The string table: each entry is a prefix entry plus one suffix index; its length and
// first index are kept so that a string is written back to front without a second walk.
// Decoded strings are gathered in `output` and handed to the sink in large batches.
struct LzwTable {
  static constexpr std::size_t kOutputBytes = 4 * kLzwTableSize;

  std::array<std::uint16_t, kLzwTableSize> prefix{};
  std::array<std::uint8_t, kLzwTableSize> suffix{};
  std::array<std::uint8_t, kLzwTableSize> first{};
  std::array<std::uint16_t, kLzwTableSize> length{};
  std::array<std::uint8_t, kOutputBytes> output{};
  std::size_t filled = 0;

  // Appends entry `code` to the output; false when the sink asked to stop.
  bool Emit(std::uint32_t code, LzwSink& sink) {
    const std::size_t size = length[code];
    if (filled + size > output.size() && !Flush(sink)) return false;
    std::uint8_t* at = output.data() + filled + size;
    filled += size;
    for (std::size_t i = 0; i < size; ++i) {
      *--at = suffix[code];
      code = prefix[code];
    }
    return true;
  }
  // Adds entry `at`: string `previous` followed by `lastIndex`.
  void Add(std::uint32_t at, std::uint32_t previous, std::uint8_t lastIndex) {
    prefix[at] = static_cast<std::uint16_t>(previous);
    suffix[at] = lastIndex;
    first[at] = first[previous];
    length[at] = static_cast<std::uint16_t>(length[previous] + 1);
  }
  bool Flush(LzwSink& sink) {
    const std::size_t size = filled;
    filled = 0;
    return size == 0 || sink.Put(std::span(output).first(size));
  }
};

// The bytes of a chain of data sub-blocks, read without joining them first.
class SubBlockBytes {
 public:
  explicit SubBlockBytes(std::span<const std::uint8_t> data) : data_(data) {}

  // False at the zero-length block or the end of the data.
  bool Next(std::uint8_t& byte) {
    if (position_ == blockEnd_ && !StartBlock()) return false;
    byte = data_[position_++];
    return true;
  }

 private:
  bool StartBlock() {
    if (ended_ || position_ >= data_.size() || data_[position_] == 0) {
      ended_ = true;
      return false;
    }
    const std::size_t length = data_[position_++];
    blockEnd_ = std::min(position_ + length, data_.size());
    return position_ < blockEnd_;
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
  std::size_t blockEnd_ = 0;
  bool ended_ = false;
};

// Codes of a given width, least significant bit first, from the sub-block bytes.
class CodeReader {
 public:
  explicit CodeReader(std::span<const std::uint8_t> subBlocks) : bytes_(subBlocks) {}

  // Reads the next code of `bits` bits into `code`; false when the data ends first.
  bool Next(int bits, std::uint32_t& code) {
    while (bitCount_ < bits) {
      std::uint8_t byte = 0;
      if (!bytes_.Next(byte)) return false;
      buffer_ |= std::uint32_t{byte} << bitCount_;
      bitCount_ += 8;
    }
    code = buffer_ & ((1u << bits) - 1);
    buffer_ >>= bits;
    bitCount_ -= bits;
    return true;
  }

 private:
  SubBlockBytes bytes_;
  std::uint32_t buffer_ = 0;
  int bitCount_ = 0;
};

}  // namespace

LzwResult DecodeLzw(std::span<const std::uint8_t> subBlocks, int minimumCodeSize, LzwSink& sink) {
  if (minimumCodeSize < 1 || minimumCodeSize > 8) return LzwResult::kMalformed;
  const std::uint32_t clearCode = 1u << minimumCodeSize;
  const std::uint32_t endCode = clearCode + 1;
  static constexpr std::uint32_t kNoCode = kLzwTableSize;

  auto table = std::make_unique<LzwTable>();
  for (std::uint32_t i = 0; i < clearCode; ++i) {
    table->suffix[i] = static_cast<std::uint8_t>(i);
    table->first[i] = static_cast<std::uint8_t>(i);
    table->length[i] = 1;
  }

  int codeBits = minimumCodeSize + 1;
  std::uint32_t nextFree = clearCode + 2;
  std::uint32_t previous = kNoCode;
  CodeReader reader(subBlocks);

  for (;;) {
    std::uint32_t code = 0;
    if (!reader.Next(codeBits, code)) {
      return table->Flush(sink) ? LzwResult::kTruncated : LzwResult::kStopped;
    }
    if (code == clearCode) {
      codeBits = minimumCodeSize + 1;
      nextFree = clearCode + 2;
      previous = kNoCode;
      continue;
    }
    if (code == endCode) return table->Flush(sink) ? LzwResult::kEnd : LzwResult::kStopped;

    if (previous == kNoCode) {
      // The first code after a clear must be a single index.
      if (code >= clearCode) {
        return table->Flush(sink) ? LzwResult::kMalformed : LzwResult::kStopped;
      }
      if (!table->Emit(code, sink)) return LzwResult::kStopped;
      previous = code;
      continue;
    }
    if (code > nextFree) {
      return table->Flush(sink) ? LzwResult::kMalformed : LzwResult::kStopped;
    }

    if (nextFree < kLzwTableSize) {
      // The new entry is the previous string plus the first index of this one; for the
      // code not yet in the table, that first index is the previous string's own.
      table->Add(nextFree, previous, code < nextFree ? table->first[code] : table->first[previous]);
      ++nextFree;
      if (nextFree == (1u << codeBits) && codeBits < kLzwMaxCodeBits) ++codeBits;
    }
    if (!table->Emit(code, sink)) return LzwResult::kStopped;
    previous = code;
  }
}

}  // namespace telvane::objects
