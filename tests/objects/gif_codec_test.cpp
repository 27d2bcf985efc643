// The GIF reader on hand-made and giflib-made files: malformed LZW data, truncation, size
// limits, colour tables, and the conversion of a four-colour picture to a 4-bit BMP.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objects/picture/bmp_writer.h"
#include "objects/picture/gif_reader.h"
#include "objects/picture/picture_formats.h"
#include "picture_test_support.h"
#include "support/temp_dir.h"

namespace telvane::objects {
namespace {

using Bytes = std::vector<std::uint8_t>;

// "GIF89a", a screen of width x height with `flags`, a global table of 2^((flags & 7) + 1)
// greys when flags bit 7 is set, then `rest`.
Bytes Gif(std::uint16_t width, std::uint16_t height, std::uint8_t flags, const Bytes& rest) {
  Bytes out{'G',
            'I',
            'F',
            '8',
            '9',
            'a',
            static_cast<std::uint8_t>(width),
            static_cast<std::uint8_t>(width >> 8),
            static_cast<std::uint8_t>(height),
            static_cast<std::uint8_t>(height >> 8),
            flags,
            0,
            0};
  if (flags & 0x80) {
    for (int i = 0; i < (2 << (flags & 7)); ++i) {
      out.insert(out.end(), 3, static_cast<std::uint8_t>(i * 50));
    }
  }
  out.insert(out.end(), rest.begin(), rest.end());
  return out;
}

// An image descriptor for the whole 2 x 2 screen, minimum code size 2 and one sub-block.
Bytes Image(const Bytes& codes) {
  Bytes out{0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0, 2, static_cast<std::uint8_t>(codes.size())};
  out.insert(out.end(), codes.begin(), codes.end());
  out.insert(out.end(), {0, 0x3B});
  return out;
}

PictureStatus ReadAndLoad(PictureRecord& record, const Bytes& file) {
  if (const auto status = ReadGifHeader(record, file); status != PictureStatus::kOk) return status;
  if (!AllocatePictureBuffer(record)) return PictureStatus::kNoMemory;
  return LoadGif(record, file);
}

// 3-bit codes, least significant bit first: clear 4, then 1, 0, 6, end 5 (4 bits by then).
// The table gets 6 = "1 0", so code 6 expands to 1 0 and the picture is 1 0 / 1 0.
const Bytes kValidCodes = [] {
  std::uint32_t bits = 4 | 1 << 3 | 0 << 6 | 6 << 9 | 5 << 12;
  return Bytes{static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8)};
}();

TEST(GifReaderTest, DecodesAHandMadePictureThroughExtensions) {
  const Bytes extensions{0x21, 0xF9, 4,   0,   0,   0,   0,   0,  // graphic control
                         0x21, 0xFE, 3,   'a', 'b', 'c', 0,       // comment
                         0x21, 0xFF, 11,  'N', 'E', 'T', 'S', 'C', 'A', 'P',
                         'E',  '2',  '.', '0', 3,   1,   0,   0,   0};  // application
  Bytes body = extensions;
  const Bytes image = Image(kValidCodes);
  body.insert(body.end(), image.begin(), image.end());
  PictureRecord record;
  ASSERT_EQ(ReadAndLoad(record, Gif(2, 2, 0x81, body)), PictureStatus::kOk);
  EXPECT_EQ(record.bitsPerPixel, 2u);
  EXPECT_EQ(record.storedBits, 4u);
  EXPECT_EQ(record.image[0], 0x10);  // bottom row: pixels 1, 0
  EXPECT_EQ(record.image[4], 0x10);
  EXPECT_EQ(record.palette[1], (RgbColour{50, 50, 50}));
}

TEST(GifReaderTest, MalformedOrTruncatedImageDataIsABadHeader) {
  // Code 7 after "clear 1" lies beyond the next free entry (6).
  const std::uint32_t beyond = 4 | 1 << 3 | 7 << 6;
  PictureRecord record;
  EXPECT_EQ(ReadAndLoad(record, Gif(2, 2, 0x81,
                                    Image({static_cast<std::uint8_t>(beyond),
                                           static_cast<std::uint8_t>(beyond >> 8)}))),
            PictureStatus::kBadHeader);
  // A first code that is not a single index.
  EXPECT_EQ(ReadAndLoad(record, Gif(2, 2, 0x81, Image({4 | 6 << 3}))), PictureStatus::kBadHeader);
  // Data that ends before the end code and before the last line.
  EXPECT_EQ(ReadAndLoad(record, Gif(2, 2, 0x81, Image({4 | 1 << 3}))), PictureStatus::kBadHeader);
  // A file that ends inside the sub-blocks, or before any image.
  auto cut = Gif(2, 2, 0x81, Image(kValidCodes));
  cut.resize(cut.size() - 4);
  EXPECT_EQ(ReadAndLoad(record, cut), PictureStatus::kBadHeader);
  EXPECT_EQ(LoadGif(record, Gif(2, 2, 0x81, {0x3B, 0})), PictureStatus::kBadHeader);
  // Minimum code size outside 1..8.
  auto wideCodes = Gif(2, 2, 0x81, Image(kValidCodes));
  wideCodes[13 + 12 + 10] = 12;
  EXPECT_EQ(ReadAndLoad(record, wideCodes), PictureStatus::kBadHeader);
}

TEST(GifReaderTest, HeaderChecksAndSizeLimits) {
  PictureRecord record;
  EXPECT_EQ(ReadGifHeader(record, Bytes{'G', 'I', 'F', '8', '9'}), PictureStatus::kBadHeader);
  EXPECT_EQ(ReadGifHeader(record, Bytes{'P', 'N', 'G', '8', '9', 'a', 2, 0, 2, 0, 0, 0, 0}),
            PictureStatus::kBadHeader);
  auto shortTable = Gif(2, 2, 0x87, {});
  shortTable.resize(13 + 100);
  EXPECT_EQ(ReadGifHeader(record, shortTable), PictureStatus::kTooShort);
  EXPECT_EQ(ReadGifHeader(record, Gif(65535, 65535, 0x07, {})), PictureStatus::kNoMemory);
  // Without any colour table a one-bit picture is black and white.
  ASSERT_EQ(ReadGifHeader(record, Gif(2, 2, 0x00, {0x3B})), PictureStatus::kOk);
  EXPECT_EQ(record.palette[1], (RgbColour{255, 255, 255}));
  // A zero-sized image has no lines to decode.
  Bytes empty = Image(kValidCodes);
  empty[5] = 0;
  EXPECT_EQ(LoadGif(record, Gif(2, 2, 0x81, empty)), PictureStatus::kBadHeader);
}

TEST(GifReaderTest, PutLineStopEndsDecoding) {
  PictureFormat stopping = GifPictureFormat();
  stopping.putLine = [](std::span<const std::uint8_t>, std::uint32_t, PictureRecord&) {
    return LineAction::kStop;
  };
  PictureRecord record;
  record.format = &stopping;
  EXPECT_EQ(ReadAndLoad(record, Gif(2, 2, 0x81, Image(kValidCodes))), PictureStatus::kStopped);
}

TEST(GifToBmpTest, FourColoursBecomeA4BitBmpWithSixteenEntries) {
  ::telvane::testing::TempDir dir;
  testing::GifImage image{5, 3, testing::TestIndices(5, 3, 4), testing::TestColours(4), {}, false};
  ASSERT_TRUE(testing::WriteGifWithGiflib(dir / "logo.gif", image));
  PictureRecord gif;
  ASSERT_EQ(testing::LoadPicture(gif, dir / "logo.gif", GifPictureFormat()), PictureStatus::kOk);
  PictureRecord bmp = gif;
  bmp.format = &BmpPictureFormat();
  ASSERT_EQ(bmp.format->save(bmp), PictureStatus::kOk);
  const std::string file = ::telvane::testing::ReadFile(dir / "logo.BMP");
  EXPECT_EQ(static_cast<std::uint8_t>(file[28]), 4);
  EXPECT_EQ(file.substr(54 + 4 * 4, 12 * 4), std::string(48, '\0'));
  // That ImageMagick sees the same picture in the copy: GiflibOracleTest, colours4.
}

}  // namespace
}  // namespace telvane::objects
