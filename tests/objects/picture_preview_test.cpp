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

}  // namespace
}  // namespace telvane::testing
