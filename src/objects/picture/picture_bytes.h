// Bounds-checked reading of a picture file held in memory: little-endian fields and a
// cursor that never moves past the end of the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace telvane::objects {

// The caller makes sure that `at` + 2 (or 4) bytes lie inside `bytes`.
inline std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
inline std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
         std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
}

class ByteCursor {
 public:
  explicit ByteCursor(std::span<const std::uint8_t> bytes, std::size_t position = 0)
      : bytes_(bytes), position_(position < bytes.size() ? position : bytes.size()) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  bool AtEnd() const { return position_ == bytes_.size(); }

  std::optional<std::uint8_t> Next() {
    if (AtEnd()) return std::nullopt;
    return bytes_[position_++];
  }
  // The next `count` bytes, or nothing (and no move) when fewer remain.
  std::optional<std::span<const std::uint8_t>> Take(std::size_t count) {
    if (count > Remaining()) return std::nullopt;
    const auto taken = bytes_.subspan(position_, count);
    position_ += count;
    return taken;
  }
  bool Skip(std::size_t count) { return Take(count).has_value(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_;
};

}  // namespace telvane::objects
