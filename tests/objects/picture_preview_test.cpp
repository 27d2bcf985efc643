// The logo preview: which names it reads, the picture it shows, and forgetting it.
#include "objects/windows/picture_preview.h"

#include <gtest/gtest.h>

#include "picture_test_support.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

std::uint32_t Packed(const objects::RgbColour& c) {
  return (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

TEST(PicturePreview, ShowsGifAndBmpPicturesTopRowFirstAndForgetsThem) {
  TempDir dir;
  const GifImage gif{5, 3, TestIndices(5, 3, 4), TestColours(4)};
  ASSERT_TRUE(WriteGifWithGiflib(dir / "logo.gif", gif));

  objects::PicturePreview preview;
  preview.SelectionChanged((dir / "logo.gif").string());
  const ui::PreviewPicture* picture = preview.Picture();
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->width, 5);
  ASSERT_EQ(picture->height, 3);
  for (std::size_t i = 0; i < gif.indices.size(); ++i) {
    EXPECT_EQ(picture->pixels[i], Packed(gif.globalColours[gif.indices[i]])) << i;
  }

  // The same picture as a 24-bit BMP made by ImageMagick shows the same colours.
  ASSERT_TRUE(RunConvert(
      {(dir / "logo.gif").string(), "-type", "TrueColor", "BMP3:" + (dir / "logo.bmp").string()}));
  preview.SelectionChanged((dir / "logo.bmp").string());
  ASSERT_NE(preview.Picture(), nullptr);
  EXPECT_EQ(preview.Picture()->pixels, picture->pixels);

  // Neither ".bmp" nor ".BMP" in the name, or no picture: the frame goes grey.
  std::filesystem::copy_file(dir / "logo.bmp", dir / "LOGO.Bmp");
  preview.SelectionChanged((dir / "LOGO.Bmp").string());
  EXPECT_EQ(preview.Picture(), nullptr);
  preview.SelectionChanged((dir / "logo.gif").string());
  WriteFile(dir / "broken.gif", "GIF89a\x05");
  preview.SelectionChanged((dir / "broken.gif").string());
  EXPECT_EQ(preview.Picture(), nullptr);
}

// Little-endian bytes of `value`.
std::string Le(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A BMP file: headers, palette of `colours` entries, then `data`.
std::string Bmp(std::uint32_t width, std::uint32_t height, std::uint16_t bits,
                std::uint32_t compression, std::uint32_t colours, const std::string& data) {
  const std::uint32_t offset = 54 + 4 * colours;
  return "BM" + Le(offset + static_cast<std::uint32_t>(data.size()), 4) + Le(0, 4) + Le(offset, 4) +
         Le(40, 4) + Le(width, 4) + Le(height, 4) + Le(1, 2) + Le(bits, 2) + Le(compression, 4) +
         Le(static_cast<std::uint32_t>(data.size()), 4) + std::string(16, '\0') +
         std::string(4 * colours, '\x11') + data;
}

TEST(PicturePreview, PicturesLargerThanThePhoneShowsAreRefused) {
  TempDir dir;
  objects::PicturePreview preview;
  WriteFile(dir / "wide.bmp", Bmp(1024, 1, 1, 0, 2, std::string(128, '\xAA')));
  preview.SelectionChanged((dir / "wide.bmp").string());
  EXPECT_NE(preview.Picture(), nullptr);
  // One pixel wider than the bound; and a 120-byte RLE4 file claiming 30000 x 30000.
  WriteFile(dir / "wider.bmp", Bmp(1025, 1, 1, 0, 2, std::string(132, '\xAA')));
  preview.SelectionChanged((dir / "wider.bmp").string());
  EXPECT_EQ(preview.Picture(), nullptr);
  WriteFile(dir / "huge.bmp", Bmp(30000, 30000, 4, 2, 16, "\0\1"));
  preview.SelectionChanged((dir / "huge.bmp").string());
  EXPECT_EQ(preview.Picture(), nullptr);
}

}  // namespace
}  // namespace telvane::testing
