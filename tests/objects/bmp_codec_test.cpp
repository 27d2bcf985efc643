// The BMP reader and writer on hand-made files: header checks, malformed and truncated
// data, run-length data that points outside the picture, and the writer's failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "objects/picture/bmp_reader.h"
#include "objects/picture/bmp_writer.h"
#include "objects/picture/picture_formats.h"
#include "picture_test_support.h"
#include "support/temp_dir.h"

namespace telvane::objects {
namespace {

using Bytes = std::vector<std::uint8_t>;

using ::telvane::testing::WindowsBmp;

PictureStatus ReadAndLoad(PictureRecord& record, const Bytes& file) {
  if (const auto status = ReadBmpHeader(record, file); status != PictureStatus::kOk) return status;
  if (!AllocatePictureBuffer(record)) return PictureStatus::kNoMemory;
  return LoadBmp(record, file);
}

TEST(BmpReaderTest, RefusesWrongSignatureUnsupportedDepthsAndHugeSizes) {
  PictureRecord record;
  auto notBmp = WindowsBmp(2, 2, 8, 0, 16, Bytes(8));
  notBmp[0] = 'X';
  EXPECT_EQ(ReadBmpHeader(record, notBmp), PictureStatus::kBadHeader);
  EXPECT_EQ(ReadBmpHeader(record, Bytes{'B', 'M', 0, 0}), PictureStatus::kBadHeader);
  EXPECT_EQ(ReadBmpHeader(record, WindowsBmp(2, 2, 16, 0, 0, Bytes(8))), PictureStatus::kBadHeader);
  EXPECT_EQ(ReadBmpHeader(record, WindowsBmp(2, 2, 32, 0, 0, Bytes(16))),
            PictureStatus::kBadHeader);
  EXPECT_EQ(ReadBmpHeader(record, WindowsBmp(0, 2, 8, 0, 16, {})), PictureStatus::kBadHeader);
  EXPECT_EQ(ReadBmpHeader(record, WindowsBmp(100000, 100000, 24, 0, 0, {})),
            PictureStatus::kNoMemory);
  EXPECT_EQ(LoadBmp(record, WindowsBmp(-5, 2, 8, 0, 16, {})), PictureStatus::kBadHeader);
  record.fileName = "/nonexistent/logo.bmp";
  EXPECT_EQ(ReadBmpHeader(record), PictureStatus::kCannotOpen);
}

TEST(BmpReaderTest, TruncatedPaletteOrPixelsGiveTooShort) {
  PictureRecord record;
  auto file = WindowsBmp(4, 3, 8, 0, 16, Bytes(12, 1));
  file.resize(54 + 10);
  EXPECT_EQ(ReadBmpHeader(record, file), PictureStatus::kTooShort);

  PictureRecord pixels;
  file = WindowsBmp(4, 3, 8, 0, 16, Bytes(11, 1));
  EXPECT_EQ(ReadAndLoad(pixels, file), PictureStatus::kTooShort);
}

TEST(BmpReaderTest, UncompressedLinesArriveTopDownAndStopIsHonoured) {
  const Bytes pixels{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3};  // file rows bottom-up
  const auto file = WindowsBmp(4, 3, 8, 0, 16, pixels);
  std::vector<std::uint32_t> lines;
  PictureFormat recorder = BmpPictureFormat();
  recorder.putLine = [&](std::span<const std::uint8_t> line, std::uint32_t number,
                         PictureRecord& record) {
    lines.push_back(number);
    PutPictureLine(line, number, record);
    return lines.size() == 2 ? LineAction::kStop : LineAction::kGoOn;
  };
  PictureRecord record;
  record.format = &recorder;
  EXPECT_EQ(ReadAndLoad(record, file), PictureStatus::kStopped);
  EXPECT_EQ(lines, (std::vector<std::uint32_t>{2, 1}));
  EXPECT_EQ(record.palette[3], (RgbColour{48, 48, 48}));
}

TEST(BmpReaderTest, TopDownAndSmallOs2FilesAreRead) {
  PictureRecord topDown;
  ASSERT_EQ(ReadAndLoad(topDown, WindowsBmp(4, -2, 8, 0, 16, {1, 1, 1, 1, 2, 2, 2, 2})),
            PictureStatus::kOk);
  EXPECT_EQ(topDown.height, 2u);
  EXPECT_EQ(topDown.image[0], 2);  // buffer row 0 holds the bottom line
  EXPECT_EQ(topDown.image[4], 1);

  // A 1 x 1 one-bit OS/2 file has 36 bytes, fewer than a Windows header alone.
  const Bytes os2{'B',  'M', 36,  0,   0, 0, 0, 0, 0, 0, 32, 0, 0, 0,  // file header
                  12,   0,   0,   0,   1, 0, 1, 0, 1, 0, 1,  0,        // 1 x 1, 1 plane, 1 bit
                  255,  255, 255, 255, 0, 0,                           // white, blue
                  0x80, 0,   0,   0};
  PictureRecord small;
  ASSERT_EQ(ReadAndLoad(small, os2), PictureStatus::kOk);
  EXPECT_EQ(small.palette[0], (RgbColour{255, 255, 255}));
  EXPECT_EQ(small.palette[1], (RgbColour{0, 0, 255}));
  EXPECT_EQ(small.image[0], 0x80);
}

TEST(BmpReaderTest, RunLengthDataCannotWriteOutsideThePicture) {
  const Bytes runs{255, 7,                              // a run far longer than the line
                   0,   2, 250, 250,                    // a delta far beyond the picture
                   9,   5,                              // painted nowhere
                   0,   0, 0,   0,   0, 0, 0, 0, 0, 0,  // end-of-line escapes past the last row
                   0,   5, 1,   2,   3, 4, 5, 0,        // absolute run with its padding byte
                   0,   1};
  PictureRecord record;
  ASSERT_EQ(ReadAndLoad(record, WindowsBmp(4, 2, 8, 1, 16, runs)), PictureStatus::kOk);
  EXPECT_EQ(Bytes(record.image.begin(), record.image.begin() + 8), (Bytes{7, 7, 7, 7, 0, 0, 0, 0}));
  EXPECT_EQ(Bytes(record.image.begin() + 8, record.image.end()), Bytes(4, 0));  // spare row

  PictureRecord unterminated;
  EXPECT_EQ(ReadAndLoad(unterminated, WindowsBmp(4, 2, 8, 1, 16, {3, 7, 0})),
            PictureStatus::kTooShort);
  PictureRecord wrongDepth;
  EXPECT_EQ(ReadAndLoad(wrongDepth, WindowsBmp(4, 2, 4, 1, 16, {0, 1})), PictureStatus::kBadHeader);
  PictureRecord noBuffer;
  const auto rle = WindowsBmp(4, 2, 8, 1, 16, {0, 1});
  ASSERT_EQ(ReadBmpHeader(noBuffer, rle), PictureStatus::kOk);
  EXPECT_EQ(LoadBmp(noBuffer, rle), PictureStatus::kNoMemory);
  PictureRecord bitFields;
  EXPECT_EQ(ReadAndLoad(bitFields, WindowsBmp(4, 2, 8, 3, 16, Bytes(8))),
            PictureStatus::kBadHeader);
}

TEST(BmpWriterTest, FailedOrStoppedWritesLeaveNoFile) {
  testing::TempDir dir;
  PictureRecord record{.width = 4, .height = 2, .bitsPerPixel = 8};
  ASSERT_TRUE(AllocatePictureBuffer(record));
  record.fileName = (dir / "missing" / "logo.gif").string();
  EXPECT_EQ(SaveBmp(record), PictureStatus::kCannotCreate);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

  std::filesystem::create_directory(dir / "taken");
  std::filesystem::create_directory(dir / "taken" / "logo.BMP");  // the output name is taken
  record.fileName = (dir / "taken" / "logo.gif").string();
  EXPECT_EQ(SaveBmp(record), PictureStatus::kCannotCreate);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken" / "logo.BMP"));

  PictureFormat stopping = BmpPictureFormat();
  stopping.getLine = [](std::span<std::uint8_t>, std::uint32_t, PictureRecord&) {
    return LineAction::kStop;
  };
  record.format = &stopping;
  record.fileName = (dir / "logo.gif").string();
  EXPECT_EQ(SaveBmp(record), PictureStatus::kStopped);
  EXPECT_FALSE(std::filesystem::exists(dir / "logo.BMP"));
}

}  // namespace
}  // namespace telvane::objects
