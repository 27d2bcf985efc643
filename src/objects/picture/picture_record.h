// One picture being handled: its size and depth as found in the file, its palette, and the
// image buffer in device-independent-bitmap order (rows bottom-up, each padded to 4 bytes),
// together with the status codes and the table of operations every picture format provides.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace telvane::objects {

// Every codec operation returns one of these; the codecs never show messages.
enum class PictureStatus : int {
  kOk = 0,
  kCannotOpen = 1,    // the file cannot be opened for reading
  kBadHeader = 2,     // wrong signature, unsupported or malformed header or data
  kTooShort = 3,      // the file ends too early
  kNoMemory = 4,      // the picture is larger than the buffer limit
  kCannotCreate = 5,  // the output file cannot be created
  kWriteFailed = 6,   // writing the output file failed
  kStopped = 8,       // the put-line or get-line operation asked to stop
};

// What a put-line or get-line operation tells the codec.
enum class LineAction { kGoOn, kStop };

// File names hold at most 259 characters; a longer one is refused before any file is
// opened (kCannotOpen when reading, kCannotCreate when writing).
inline constexpr std::size_t kMaxPictureFileName = 259;
// No picture buffer grows beyond this; larger pictures are refused with kNoMemory.
inline constexpr std::uint64_t kMaxPictureBufferBytes = 64ull * 1024 * 1024;
inline constexpr std::size_t kPaletteEntries = 256;
// The largest side of a picture meant for the phone: its display is 101 x 80 pixels and
// an operator logo 97 x 29; 1024 leaves room for any picture made for a phone. The logo
// preview and the GIF conversion refuse larger pictures after the header, before any
// buffer is allocated (a 120-byte RLE file can claim a picture of hundreds of megabytes).
inline constexpr std::uint32_t kMaxPhonePictureSide = 1024;

struct RgbColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

struct PictureRecord;

// The operations of one picture format, in their fixed order. `save` is empty for GIF.
struct PictureFormat {
  std::function<LineAction(std::span<const std::uint8_t> line, std::uint32_t lineNumber,
                           PictureRecord& record)>
      putLine;
  std::function<LineAction(std::span<std::uint8_t> line, std::uint32_t lineNumber,
                           PictureRecord& record)>
      getLine;
  std::function<PictureStatus(PictureRecord& record)> readHeader;
  std::function<PictureStatus(PictureRecord& record)> load;
  std::function<PictureStatus(PictureRecord& record)> save;
};

struct PictureRecord {
  std::string fileName{};
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t bitsPerPixel = 0;  // as found in the file
  std::uint32_t bytesPerLine = 0;  // of the image buffer, a multiple of 4
  std::uint32_t storedRows = 0;
  std::uint32_t storedBits = 0;  // 1, 4, 8 or 24
  std::uint8_t backgroundIndex = 0;
  std::uint8_t imageFlags = 0;  // GIF image descriptor flags; bit 6 = interlaced
  std::uint64_t fileSize = 0;
  std::uint64_t imageSizeEstimate = 0;
  std::array<RgbColour, kPaletteEntries> palette{};
  std::vector<std::uint8_t> image{};  // empty when the record holds no picture
  const PictureFormat* format = nullptr;
};

// True when the header's width and height are within kMaxPhonePictureSide.
inline bool FitsPhone(const PictureRecord& record) {
  return record.width <= kMaxPhonePictureSide && record.height <= kMaxPhonePictureSide;
}

// Sizes the buffer from width, height and bitsPerPixel and allocates it, zero-filled.
// False for unsupported depths, empty pictures and buffers over kMaxPictureBufferBytes.
bool AllocatePictureBuffer(PictureRecord& record);
void FreePictureBuffer(PictureRecord& record);

// Copy one picture line (0 = top) into or out of the buffer. Nothing happens when the record
// has no buffer or the line number is outside it; both always go on.
LineAction PutPictureLine(std::span<const std::uint8_t> line, std::uint32_t lineNumber,
                          PictureRecord& record);
LineAction GetPictureLine(std::span<std::uint8_t> line, std::uint32_t lineNumber,
                          PictureRecord& record);

// The codecs hand lines through the record's format, or straight to the buffer without one.
LineAction PutLineThroughFormat(std::span<const std::uint8_t> line, std::uint32_t lineNumber,
                                PictureRecord& record);
LineAction GetLineThroughFormat(std::span<std::uint8_t> line, std::uint32_t lineNumber,
                                PictureRecord& record);

// Buffer depth for a file depth: 1 -> 1, 2..4 -> 4, 5..8 -> 8, 24 -> 24; none otherwise.
std::optional<std::uint32_t> StoredBitsFor(std::uint32_t bitsPerPixel);
// Bytes of one stored (or BMP file) line, rounded up to a multiple of 4.
std::uint64_t StoredLineBytes(std::uint32_t width, std::uint32_t storedBits);
// Whether a picture of this size and depth fits the buffer limit ((height + 1) lines).
bool FitsPictureBuffer(std::uint32_t width, std::uint32_t height, std::uint32_t bitsPerPixel);

// ((width + 7) / 8) x bits per pixel x height.
std::uint64_t ImageSizeEstimate(std::uint32_t width, std::uint32_t height,
                                std::uint32_t bitsPerPixel);

// Palette helpers: entry 0 black, entry 1 white, the rest zero; and the grey ramp i, i, i.
void SetBlackAndWhitePalette(PictureRecord& record);
void SetGreyRampPalette(PictureRecord& record);

}  // namespace telvane::objects
