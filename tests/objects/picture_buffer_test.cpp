// The image buffer rules, line storage and output naming.
#include <gtest/gtest.h>

#include <vector>

#include "objects/picture/gif_lines.h"
#include "objects/picture/picture_file_name.h"
#include "objects/picture/picture_record.h"

namespace telvane::objects {
namespace {

PictureRecord Sized(std::uint32_t width, std::uint32_t height, std::uint32_t bits) {
  return {.width = width, .height = height, .bitsPerPixel = bits};
}

TEST(PictureBufferTest, LineBytesFollowTheStoredDepth) {
  struct Case {
    std::uint32_t width, height, bits, storedBits, bytesPerLine;
  };
  // 2-bit pictures are stored at 4 bits, 6-bit ones at 8; lines fill whole 32-bit words;
  // the buffer has one spare line.
  for (const Case& c : {Case{97, 26, 1, 1, 16}, Case{97, 26, 4, 4, 52}, Case{3, 2, 2, 4, 4},
                        Case{5, 2, 6, 8, 8}, Case{97, 2, 24, 24, 292}}) {
    auto record = Sized(c.width, c.height, c.bits);
    ASSERT_TRUE(AllocatePictureBuffer(record)) << c.bits;
    EXPECT_EQ(record.storedBits, c.storedBits) << c.bits;
    EXPECT_EQ(record.bytesPerLine, c.bytesPerLine) << c.bits;
    EXPECT_EQ(record.storedRows, c.height) << c.bits;
    EXPECT_EQ(record.image.size(), (c.height + 1) * c.bytesPerLine) << c.bits;
  }
}

TEST(PictureBufferTest, RefusesUnsupportedEmptyAndHugePictures) {
  for (auto record : {Sized(10, 10, 16), Sized(10, 10, 32), Sized(0, 10, 8), Sized(10, 0, 8),
                      Sized(65535, 65535, 8), Sized(0xFFFFFFFF, 0xFFFFFFFF, 24)}) {
    EXPECT_FALSE(AllocatePictureBuffer(record)) << record.width << "x" << record.height;
    EXPECT_TRUE(record.image.empty());
  }
  auto atLimit = Sized(4096, 4095, 32 / 4);  // 4096 x 4096 bytes = 16 MiB
  EXPECT_TRUE(AllocatePictureBuffer(atLimit));
  FreePictureBuffer(atLimit);
  EXPECT_TRUE(atLimit.image.empty());
}

TEST(PictureBufferTest, LinesAreStoredBottomUpAndCopiedWhole) {
  auto record = Sized(8, 3, 8);
  ASSERT_TRUE(AllocatePictureBuffer(record));
  const std::vector<std::uint8_t> top(8, 0xAA);
  const std::vector<std::uint8_t> bottom(8, 0xBB);
  EXPECT_EQ(PutPictureLine(top, 0, record), LineAction::kGoOn);
  EXPECT_EQ(PutPictureLine(bottom, 2, record), LineAction::kGoOn);
  EXPECT_EQ(record.image[0], 0xBB);                              // buffer row 0 = picture line 2
  EXPECT_EQ(record.image[2 * 8], 0xAA);                          // buffer row 2 = picture line 0
  EXPECT_EQ(PutPictureLine(top, 3, record), LineAction::kGoOn);  // outside: ignored
  EXPECT_EQ(record.image[3 * 8], 0);

  std::vector<std::uint8_t> out(8);
  GetPictureLine(out, 0, record);
  EXPECT_EQ(out, top);

  PictureRecord empty;
  EXPECT_EQ(PutPictureLine(top, 0, empty), LineAction::kGoOn);
  EXPECT_EQ(GetPictureLine(out, 0, empty), LineAction::kGoOn);
}

std::vector<std::uint32_t> RowOrder(std::uint32_t height, bool interlaced) {
  std::vector<std::uint32_t> rows;
  for (GifRowOrder order(height, interlaced); !order.Done(); order.Advance()) {
    rows.push_back(order.Current());
  }
  return rows;
}

TEST(GifRowOrderTest, InterlacePassesAndPlainOrder) {
  EXPECT_EQ(RowOrder(10, true), (std::vector<std::uint32_t>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
  EXPECT_EQ(RowOrder(1, true), (std::vector<std::uint32_t>{0}));
  EXPECT_EQ(RowOrder(3, true), (std::vector<std::uint32_t>{0, 2, 1}));
  EXPECT_EQ(RowOrder(4, false), (std::vector<std::uint32_t>{0, 1, 2, 3}));
  EXPECT_TRUE(RowOrder(0, true).empty());
}

TEST(ReplaceExtensionTest, ReplacesOnlyTheFileNamesExtension) {
  EXPECT_EQ(ReplaceExtension("logo.gif", "BMP"), "logo.BMP");
  EXPECT_EQ(ReplaceExtension("/home/ann/my.pictures/logo.gif", "BMP"),
            "/home/ann/my.pictures/logo.BMP");
  EXPECT_EQ(ReplaceExtension("/home/ann/my.pictures/logo", "BMP"),
            "/home/ann/my.pictures/logo.BMP");
  EXPECT_EQ(ReplaceExtension("holiday.2024.gif", "BMP"), "holiday.2024.BMP");
  EXPECT_EQ(ReplaceExtension("/tmp/.hidden", "BMP"), "/tmp/.hidden.BMP");
}

}  // namespace
}  // namespace telvane::objects
