// Feeds arbitrary bytes to the BMP header reader and loader, as the preview does with a
// file the user picks. Sanitizers catch any access outside the data or the image buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "objects/picture/bmp_reader.h"
#include "objects/picture/picture_record.h"

namespace {
constexpr std::uint64_t kFuzzBufferBytes = 1 << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace telvane::objects;
  const std::span<const std::uint8_t> file(data, size);
  PictureRecord record;
  if (ReadBmpHeader(record, file) != PictureStatus::kOk) return 0;
  // Pictures up to 1 MiB keep the fuzzer fast; the size limits themselves are unit-tested.
  if (!FitsPictureBuffer(record.width, record.height, record.bitsPerPixel) ||
      StoredLineBytes(record.width, *StoredBitsFor(record.bitsPerPixel)) * record.height >
          kFuzzBufferBytes ||
      !AllocatePictureBuffer(record)) {
    return 0;
  }
  const std::size_t bufferSize = record.image.size();
  LoadBmp(record, file);
  if (record.image.size() != bufferSize) std::abort();
  return 0;
}
