// Decoding a large GIF (2000 x 2000, 256 colours, written with giflib at start-up) with our
// loader and with giflib's DGifSlurp on the same file, so the ratio of the two can be read.
#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "objects/picture/gif_reader.h"
#include "objects/picture/picture_record.h"

namespace {

constexpr int kSide = 2000;

// Smooth rings with some texture: long and short runs alike, as in a real picture.
std::uint8_t PatternIndex(int x, int y) {
  return static_cast<std::uint8_t>(((x - 700) * (x - 700) + (y - 900) * (y - 900)) / 2000 +
                                   ((x ^ y) & 7));
}

bool WriteLargeGif(const std::string& path) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (gif == nullptr) return false;
  std::vector<GifColorType> colours(256);
  for (int i = 0; i < 256; ++i) {
    colours[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                  static_cast<GifByteType>(i * 7)};
  }
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  bool ok = map != nullptr && EGifPutScreenDesc(gif, kSide, kSide, 8, 0, map) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, kSide, kSide, false, nullptr) == GIF_OK;
  std::vector<GifPixelType> line(kSide);
  for (int y = 0; ok && y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) line[x] = PatternIndex(x, y);
    ok = EGifPutLine(gif, line.data(), kSide) == GIF_OK;
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

void OurLoader(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    telvane::objects::PictureRecord record;
    record.fileName = path;
    if (telvane::objects::ReadGifHeader(record) != telvane::objects::PictureStatus::kOk ||
        !telvane::objects::AllocatePictureBuffer(record) ||
        telvane::objects::LoadGif(record) != telvane::objects::PictureStatus::kOk) {
      state.SkipWithError("our loader failed");
      return;
    }
    benchmark::DoNotOptimize(record.image.data());
  }
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

void GiflibSlurp(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr || DGifSlurp(gif) != GIF_OK) {
      state.SkipWithError("giflib failed");
      if (gif != nullptr) DGifCloseFile(gif, &error);
      return;
    }
    benchmark::DoNotOptimize(gif->SavedImages[0].RasterBits);
    DGifCloseFile(gif, &error);
  }
  state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

}  // namespace

int main(int argc, char** argv) {
  std::string path = (std::filesystem::temp_directory_path() / "telvane-bench-XXXXXX").string();
  const int fd = ::mkstemp(path.data());
  if (fd < 0) return 1;
  ::close(fd);
  if (!WriteLargeGif(path)) {
    std::filesystem::remove(path);
    return 1;
  }
  benchmark::RegisterBenchmark("GifDecode/ours", OurLoader, path)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("GifDecode/giflib", GiflibSlurp, path)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(path);
  return 0;
}
