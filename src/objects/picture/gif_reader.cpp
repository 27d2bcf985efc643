#include "objects/picture/gif_reader.h"

#include <vector>

#include "objects/picture/gif_lines.h"
#include "objects/picture/lzw_decoder.h"
#include "objects/picture/picture_bytes.h"
#include "objects/picture/picture_file.h"

namespace telvane::objects {

namespace {

constexpr std::size_t kScreenDescriptorBytes = 13;  // signature, version, screen
constexpr std::size_t kImageDescriptorBytes = 9;    // after the 0x2C introducer
constexpr std::uint8_t kExtensionIntroducer = 0x21;
constexpr std::uint8_t kImageIntroducer = 0x2C;
constexpr std::uint8_t kColourTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;

std::size_t ColourTableBytes(std::uint8_t flags) { return 3u << ((flags & 7) + 1); }

struct GifScreen {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint8_t flags = 0;
  std::uint8_t background = 0;
};

PictureStatus ReadScreen(ByteCursor& cursor, GifScreen& screen) {
  const auto head = cursor.Take(kScreenDescriptorBytes);
  if (!head || (*head)[0] != 'G' || (*head)[1] != 'I' || (*head)[2] != 'F') {
    return PictureStatus::kBadHeader;
  }
  screen.width = ReadLe16(*head, 6);
  screen.height = ReadLe16(*head, 8);
  screen.flags = (*head)[10];
  screen.background = (*head)[11];
  return PictureStatus::kOk;
}

// Skips the data sub-blocks up to the zero-length block. Every extension, whatever its
// label, is such a chain (its fixed header is the first sub-block). False at the file's end.
bool SkipSubBlocks(ByteCursor& cursor) {
  for (;;) {
    const auto length = cursor.Next();
    if (!length) return false;
    if (*length == 0) return true;
    if (!cursor.Skip(*length)) return false;
  }
}

bool SkipExtension(ByteCursor& cursor) { return cursor.Next() && SkipSubBlocks(cursor); }

void LoadColourTable(PictureRecord& record, std::span<const std::uint8_t> table) {
  record.palette.fill({});
  for (std::size_t i = 0; i * 3 + 2 < table.size() && i < kPaletteEntries; ++i) {
    record.palette[i] = {table[i * 3], table[i * 3 + 1], table[i * 3 + 2]};
  }
}

void SetSize(PictureRecord& record, std::uint32_t width, std::uint32_t height, std::uint8_t flags) {
  record.width = width;
  record.height = height;
  record.bitsPerPixel = (flags & 7u) + 1;
  record.imageSizeEstimate = ImageSizeEstimate(width, height, record.bitsPerPixel);
}

PictureStatus CheckSize(const PictureRecord& record) {
  if (record.width == 0 || record.height == 0) return PictureStatus::kOk;  // no buffer
  return FitsPictureBuffer(record.width, record.height, record.bitsPerPixel)
             ? PictureStatus::kOk
             : PictureStatus::kNoMemory;
}

}  // namespace

PictureStatus ReadGifHeader(PictureRecord& record, std::span<const std::uint8_t> file) {
  record.fileSize = file.size();
  ByteCursor cursor(file);
  GifScreen screen;
  if (const auto status = ReadScreen(cursor, screen); status != PictureStatus::kOk) return status;
  record.backgroundIndex = screen.background;
  SetSize(record, screen.width, screen.height, screen.flags);
  bool hasTable = false;
  if (screen.flags & kColourTableFlag) {
    const auto table = cursor.Take(ColourTableBytes(screen.flags));
    if (!table) return PictureStatus::kTooShort;
    LoadColourTable(record, *table);
    hasTable = true;
  }
  for (;;) {
    const auto introducer = cursor.Next();
    if (introducer == kExtensionIntroducer) {
      if (!SkipExtension(cursor)) break;
      continue;
    }
    if (introducer == 0) continue;
    if (introducer != kImageIntroducer) break;
    const auto descriptor = cursor.Take(kImageDescriptorBytes);
    if (!descriptor) return PictureStatus::kTooShort;
    const std::uint8_t flags = (*descriptor)[8];
    record.width = ReadLe16(*descriptor, 4);
    record.height = ReadLe16(*descriptor, 6);
    if (flags & kColourTableFlag) {
      const auto table = cursor.Take(ColourTableBytes(flags));
      if (!table) return PictureStatus::kTooShort;
      LoadColourTable(record, *table);
      SetSize(record, record.width, record.height, flags);
      hasTable = true;
    } else {
      SetSize(record, record.width, record.height, screen.flags);
    }
    break;
  }
  // Without any colour table a two-colour picture is black and white; with one, its own
  // two colours are kept so that the picture is not inverted.
  if (!hasTable && record.bitsPerPixel == 1) SetBlackAndWhitePalette(record);
  return CheckSize(record);
}

PictureStatus LoadGif(PictureRecord& record, std::span<const std::uint8_t> file) {
  ByteCursor cursor(file);
  GifScreen screen;
  if (const auto status = ReadScreen(cursor, screen); status != PictureStatus::kOk) return status;
  if ((screen.flags & kColourTableFlag) && !cursor.Skip(ColourTableBytes(screen.flags))) {
    return PictureStatus::kTooShort;
  }
  for (;;) {
    const auto introducer = cursor.Next();
    if (!introducer || *introducer == 0) return PictureStatus::kBadHeader;
    if (*introducer == kImageIntroducer) break;
    if (*introducer == kExtensionIntroducer && !SkipExtension(cursor)) {
      return PictureStatus::kBadHeader;
    }
  }
  const auto descriptor = cursor.Take(kImageDescriptorBytes);
  if (!descriptor) return PictureStatus::kTooShort;
  const std::uint8_t flags = (*descriptor)[8];
  if ((flags & kColourTableFlag) && !cursor.Skip(ColourTableBytes(flags))) {
    return PictureStatus::kTooShort;
  }
  SetSize(record, ReadLe16(*descriptor, 4), ReadLe16(*descriptor, 6),
          (flags & kColourTableFlag) ? flags : screen.flags);
  record.imageFlags = flags;
  if (record.width == 0 || record.height == 0) return PictureStatus::kBadHeader;
  if (CheckSize(record) != PictureStatus::kOk) return PictureStatus::kNoMemory;

  const auto minimumCodeSize = cursor.Next();
  if (!minimumCodeSize) return PictureStatus::kBadHeader;
  GifLineAssembler lines(record, record.width, record.height, *StoredBitsFor(record.bitsPerPixel),
                         (flags & kInterlaceFlag) != 0);
  switch (DecodeLzw(file.subspan(cursor.Position()), *minimumCodeSize, lines)) {
    case LzwResult::kEnd: return PictureStatus::kOk;
    case LzwResult::kStopped: return PictureStatus::kStopped;
    case LzwResult::kMalformed: return PictureStatus::kBadHeader;
    case LzwResult::kTruncated:
      // Some writers leave out the end code; a picture with every line is still whole.
      return lines.AllLinesDelivered() ? PictureStatus::kOk : PictureStatus::kBadHeader;
  }
  return PictureStatus::kBadHeader;
}

PictureStatus ReadGifHeader(PictureRecord& record) {
  std::vector<std::uint8_t> file;
  if (const auto status = ReadPictureFile(record.fileName, file); status != PictureStatus::kOk) {
    return status;
  }
  return ReadGifHeader(record, file);
}

PictureStatus LoadGif(PictureRecord& record) {
  std::vector<std::uint8_t> file;
  if (const auto status = ReadPictureFile(record.fileName, file); status != PictureStatus::kOk) {
    return status;
  }
  return LoadGif(record, file);
}

}  // namespace telvane::objects
