// Feeds arbitrary bytes to the GIF header reader and loader (with its LZW decoder), as the
// logo conversion and the preview do with a file the user picks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "objects/picture/gif_reader.h"
#include "objects/picture/picture_record.h"

namespace {
constexpr std::uint64_t kFuzzBufferBytes = 1 << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace telvane::objects;
  const std::span<const std::uint8_t> file(data, size);
  PictureRecord record;
  if (ReadGifHeader(record, file) != PictureStatus::kOk) return 0;
  // Pictures up to 1 MiB keep the fuzzer fast; the size limits themselves are unit-tested.
  if (!FitsPictureBuffer(record.width, record.height, record.bitsPerPixel) ||
      StoredLineBytes(record.width, *StoredBitsFor(record.bitsPerPixel)) * record.height >
          kFuzzBufferBytes ||
      !AllocatePictureBuffer(record)) {
    return 0;
  }
  const std::size_t bufferSize = record.image.size();
  const PictureStatus status = LoadGif(record, file);
  if (record.image.size() != bufferSize) std::abort();
  if (status != PictureStatus::kOk && status != PictureStatus::kBadHeader &&
      status != PictureStatus::kTooShort && status != PictureStatus::kNoMemory) {
    std::abort();
  }
  return 0;
}
