// Cross-check against independent codecs: BMP and GIF files made by ImageMagick and giflib
// in many forms are decoded by our readers and compared pixel by pixel with what
// ImageMagick decodes from the same file; BMPs written from GIFs must show ImageMagick the
// same picture. A missing ImageMagick fails these tests (scripts/deps installs it).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "objects/picture/bmp_header.h"
#include "objects/picture/picture_formats.h"
#include "picture_test_support.h"
#include "support/temp_dir.h"

namespace telvane::objects {
namespace {

using ::telvane::testing::ConvertAvailable;
using ::telvane::testing::ConvertRgb;
using ::telvane::testing::GifImage;
using ::telvane::testing::LoadPicture;
using ::telvane::testing::PictureRgb;
using ::telvane::testing::ReadFile;
using ::telvane::testing::RunConvert;
using ::telvane::testing::TempDir;
using ::telvane::testing::TestColours;
using ::telvane::testing::TestIndices;
using ::telvane::testing::WriteGifWithGiflib;

// Decodes `file` with our reader and with ImageMagick and compares every pixel.
void ExpectSamePicture(const std::filesystem::path& file, const PictureFormat& format,
                       PictureRecord& record) {
  ASSERT_EQ(LoadPicture(record, file, format), PictureStatus::kOk) << file;
  const auto expected = ConvertRgb(file);
  ASSERT_TRUE(expected.has_value()) << "ImageMagick cannot read " << file;
  ASSERT_EQ(expected->size(), std::size_t{record.width} * record.height * 3) << file;
  const std::string actual = PictureRgb(record);
  for (std::size_t i = 0; i < actual.size(); i += 3) {
    ASSERT_EQ(actual.substr(i, 3), expected->substr(i, 3))
        << file << " pixel " << i / 3 % record.width << "," << i / 3 / record.width;
  }
}

// Writes the GIF record as a BMP and checks that ImageMagick shows the same picture.
void ExpectBmpCopyShowsTheSame(const PictureRecord& gif, const std::filesystem::path& gifFile) {
  PictureRecord bmp = gif;
  bmp.format = &BmpPictureFormat();
  ASSERT_EQ(bmp.format->save(bmp), PictureStatus::kOk);
  const auto written = ConvertRgb(gifFile.parent_path() / (gifFile.stem().string() + ".BMP"));
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, PictureRgb(gif)) << gifFile;
}

struct BmpCase {
  std::string name;
  std::string size;                  // WIDTHxHEIGHT
  std::vector<std::string> options;  // before the output name
  std::string output;                // format prefix
  std::uint32_t bits;
  bool os2;
  std::uint32_t compression;
};

class BmpOracleTest : public ::testing::TestWithParam<BmpCase> {};

TEST_P(BmpOracleTest, DecodesLikeImageMagick) {
  ASSERT_TRUE(ConvertAvailable()) << "ImageMagick's convert is needed (scripts/deps)";
  const BmpCase& param = GetParam();
  TempDir dir;
  const auto file = dir / (param.name + ".bmp");
  std::vector<std::string> args{"-size", param.size, "-seed", "7", "plasma:"};
  args.insert(args.end(), param.options.begin(), param.options.end());
  args.push_back(param.output + file.string());
  ASSERT_TRUE(RunConvert(args).has_value());

  const std::string bytes = ReadFile(file);
  BmpHeader header;
  ASSERT_EQ(
      ParseBmpHeader({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, header),
      PictureStatus::kOk);
  EXPECT_EQ(header.bitsPerPixel, param.bits);
  EXPECT_EQ(header.os2, param.os2);
  EXPECT_EQ(header.compression, param.compression);
  PictureRecord record;
  ExpectSamePicture(file, BmpPictureFormat(), record);
}

const std::vector<std::string> kPalette2{"-colors", "2", "-type", "Palette"};
const std::vector<std::string> kPalette16{"-colors", "16", "-type", "Palette"};
const std::vector<std::string> kPalette200{"-colors", "200",       "-type",
                                           "Palette", "-compress", "None"};
const std::vector<std::string> kTrueColour{"-type", "TrueColor"};
// ImageMagick writes 8-bit BMPs (16-colour ones too) with RLE8 when asked to compress.
const std::vector<std::string> kRle8{"-colors", "200", "-type", "Palette", "-compress", "RLE"};
const std::vector<std::string> kRle8With16Colours{"-colors", "16",        "-type",
                                                  "Palette", "-compress", "RLE"};

INSTANTIATE_TEST_SUITE_P(
    Forms, BmpOracleTest,
    ::testing::Values(BmpCase{"bits1_97", "97x26", kPalette2, "BMP3:", 1, false, 0},
                      BmpCase{"bits1_1", "1x5", kPalette2, "BMP3:", 1, false, 0},
                      BmpCase{"bits4_97", "97x31", kPalette16, "BMP3:", 4, false, 0},
                      BmpCase{"bits4_3", "3x4", kPalette16, "BMP3:", 4, false, 0},
                      BmpCase{"bits8_97", "97x31", kPalette200, "BMP3:", 8, false, 0},
                      BmpCase{"bits24_97", "97x31", kTrueColour, "BMP3:", 24, false, 0},
                      BmpCase{"bits24_2", "2x3", kTrueColour, "BMP3:", 24, false, 0},
                      BmpCase{"v5_bits8", "61x17", kPalette200, "BMP:", 8, false, 0},
                      BmpCase{"v5_bits4", "61x17", kPalette16, "BMP:", 4, false, 0},
                      BmpCase{"os2_bits1", "97x26", kPalette2, "BMP2:", 1, true, 0},
                      BmpCase{"os2_bits4", "97x26", kPalette16, "BMP2:", 4, true, 0},
                      BmpCase{"os2_bits8", "97x26", kPalette200, "BMP2:", 8, true, 0},
                      BmpCase{"os2_bits24", "97x26", kTrueColour, "BMP2:", 24, true, 0},
                      BmpCase{"rle8_97", "97x31", kRle8, "BMP3:", 8, false, 1},
                      BmpCase{"rle8_16_colours", "33x40", kRle8With16Colours, "BMP3:", 8, false,
                              1}),
    [](const auto& info) { return info.param.name; });

// RLE4 as no common encoder writes it: odd and even runs, absolute runs with and without
// padding, deltas within a row and across rows, end of line and of bitmap, in a 16-colour
// picture 9 pixels wide.
TEST(BmpOracleTest, HandMadeRle4DecodesLikeImageMagick) {
  ASSERT_TRUE(ConvertAvailable()) << "ImageMagick's convert is needed (scripts/deps)";
  const std::vector<std::uint8_t> data{
      9, 0x12,                                                  // row 0: 1 2 1 2 1 2 1 2 1
      0, 0,    0, 5, 0x34, 0x56, 0x70, 0,                       // row 1: 3 4 5 6 7, then 4 x F
      4, 0xFF, 0, 0, 2,    0xAB, 0,    2,    3,    1,           // row 2: A B, delta to row 3, x 5
      4, 0xCD,                                                  // row 3: ... C D C D
      0, 0,    0, 9, 0x89, 0xAB, 0xCD, 0xEF, 0x10, 0,           // row 4: 8 9 A B C D E F 1
      0, 0,    0, 3, 0x34, 0x50, 0,    2,    2,    0, 3, 0xAB,  // row 5: 3 4 5, delta to x 5, A B A
      0, 0,  // (ImageMagick wants a short last row ended)
      0, 1};
  const auto file = ::telvane::testing::WindowsBmp(9, 6, 4, 2, 16, data);

  TempDir dir;
  ::telvane::testing::WriteFile(dir / "rle4.bmp", std::string(file.begin(), file.end()));
  PictureRecord record;
  ExpectSamePicture(dir / "rle4.bmp", BmpPictureFormat(), record);
}

struct GifCase {
  std::string name;
  std::uint32_t width;
  std::uint32_t height;
  std::size_t colours;
  bool interlaced;
  bool localTable;
};

class GiflibOracleTest : public ::testing::TestWithParam<GifCase> {};

TEST_P(GiflibOracleTest, DecodesLikeImageMagickAndConvertsToBmp) {
  ASSERT_TRUE(ConvertAvailable()) << "ImageMagick's convert is needed (scripts/deps)";
  const GifCase& param = GetParam();
  // With a local table, the global one of two colours is replaced by it.
  const auto colours = TestColours(param.colours);
  const GifImage image{param.width,
                       param.height,
                       TestIndices(param.width, param.height, param.colours),
                       param.localTable ? TestColours(2) : colours,
                       param.localTable ? colours : std::vector<RgbColour>{},
                       param.interlaced};
  TempDir dir;
  const auto file = dir / (param.name + ".gif");
  ASSERT_TRUE(WriteGifWithGiflib(file, image));

  PictureRecord record;
  ExpectSamePicture(file, GifPictureFormat(), record);
  ExpectBmpCopyShowsTheSame(record, file);
}

INSTANTIATE_TEST_SUITE_P(Forms, GiflibOracleTest,
                         ::testing::Values(GifCase{"colours2", 97, 26, 2, false, false},
                                           GifCase{"colours4", 97, 26, 4, false, false},
                                           GifCase{"colours16", 97, 31, 16, false, false},
                                           GifCase{"colours256", 97, 31, 256, false, false},
                                           GifCase{"interlaced2", 33, 10, 2, true, false},
                                           GifCase{"interlaced16", 97, 37, 16, true, false},
                                           GifCase{"interlaced256", 250, 131, 256, true, false},
                                           GifCase{"local4", 97, 26, 4, false, true},
                                           GifCase{"local256_interlaced", 61, 29, 256, true, true},
                                           GifCase{"one_pixel_wide", 1, 9, 4, true, false},
                                           GifCase{"large256", 640, 480, 256, false, false}),
                         [](const auto& info) { return info.param.name; });

struct ImageMagickGifCase {
  std::string name;
  std::vector<std::string> options;
};

class ImageMagickGifOracleTest : public ::testing::TestWithParam<ImageMagickGifCase> {};

TEST_P(ImageMagickGifOracleTest, DecodesLikeImageMagickAndConvertsToBmp) {
  ASSERT_TRUE(ConvertAvailable()) << "ImageMagick's convert is needed (scripts/deps)";
  TempDir dir;
  const auto file = dir / (GetParam().name + ".gif");
  std::vector<std::string> args{"-size", "97x43", "-seed", "3", "plasma:"};
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  args.push_back("GIF:" + file.string());
  ASSERT_TRUE(RunConvert(args).has_value());
  PictureRecord record;
  ExpectSamePicture(file, GifPictureFormat(), record);
  ExpectBmpCopyShowsTheSame(record, file);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ImageMagickGifOracleTest,
    ::testing::Values(
        ImageMagickGifCase{"colours2", {"-colors", "2"}},
        ImageMagickGifCase{"colours8_comment", {"-colors", "8", "-comment", "a logo"}},
        ImageMagickGifCase{"colours64_interlaced", {"-colors", "64", "-interlace", "GIF"}},
        ImageMagickGifCase{"colours256", {"-colors", "256"}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace telvane::objects
