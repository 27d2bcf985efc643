#include "picture_test_support.h"

#include <gif_lib.h>

#include <memory>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::testing {

using objects::PictureFormat;
using objects::PictureRecord;
using objects::PictureStatus;
using objects::RgbColour;

std::string PictureRgb(const PictureRecord& record) {
  std::string rgb;
  rgb.reserve(std::size_t{record.width} * record.height * 3);
  for (std::uint32_t y = 0; y < record.height; ++y) {
    const std::size_t row = std::size_t{record.storedRows - y - 1} * record.bytesPerLine;
    const std::uint8_t* line = record.image.data() + row;
    for (std::uint32_t x = 0; x < record.width; ++x) {
      if (record.storedBits == 24) {
        rgb += static_cast<char>(line[x * 3 + 2]);
        rgb += static_cast<char>(line[x * 3 + 1]);
        rgb += static_cast<char>(line[x * 3]);
        continue;
      }
      std::uint8_t index = 0;
      switch (record.storedBits) {
        case 1: index = (line[x / 8] >> (7 - x % 8)) & 1; break;
        case 4: index = x % 2 == 0 ? line[x / 2] >> 4 : line[x / 2] & 0x0F; break;
        default: index = line[x]; break;
      }
      const RgbColour& colour = record.palette[index];
      rgb += static_cast<char>(colour.red);
      rgb += static_cast<char>(colour.green);
      rgb += static_cast<char>(colour.blue);
    }
  }
  return rgb;
}

bool ConvertAvailable() { return FindOnPath("convert").has_value(); }

std::optional<std::string> RunConvert(const std::vector<std::string>& args) {
  const auto program = FindOnPath("convert");
  if (!program) return std::nullopt;
  std::vector<std::string> command{*program};
  command.insert(command.end(), args.begin(), args.end());
  ProgramRun run = RunProgram(std::move(command));
  if (run.status != 0) return std::nullopt;
  return std::move(run.out);
}

std::optional<std::string> ConvertRgb(const std::filesystem::path& file) {
  return RunConvert({file.string(), "-depth", "8", "rgb:-"});
}

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(i < 8 ? value >> (8 * i) : 0));
  }
}

struct MapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

ColourMap MakeMap(const std::vector<RgbColour>& colours) {
  if (colours.empty()) return nullptr;
  std::vector<GifColorType> entries;
  for (const auto& colour : colours) entries.push_back({colour.red, colour.green, colour.blue});
  return ColourMap(GifMakeMapObject(static_cast<int>(entries.size()), entries.data()));
}

}  // namespace

bool WriteGifWithGiflib(const std::filesystem::path& file, const GifImage& image) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
  if (gif == nullptr) return false;
  const ColourMap global = MakeMap(image.globalColours);
  const ColourMap local = MakeMap(image.localColours);
  const int width = static_cast<int>(image.width);
  const int height = static_cast<int>(image.height);
  const int depth = global ? global->BitsPerPixel : local->BitsPerPixel;
  bool ok = EGifPutScreenDesc(gif, width, height, depth, 0, global.get()) == GIF_OK &&
            EGifPutImageDesc(gif, 0, 0, width, height, image.interlaced, local.get()) == GIF_OK;
  // giflib writes lines in the order given; an interlaced picture goes pass by pass.
  const int starts[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; ok && pass < (image.interlaced ? 4 : 1); ++pass) {
    const int start = image.interlaced ? starts[pass] : 0;
    const int step = image.interlaced ? steps[pass] : 1;
    for (int y = start; ok && y < height; y += step) {
      auto* line = const_cast<GifPixelType*>(image.indices.data() + std::size_t(y) * width);
      ok = EGifPutLine(gif, line, width) == GIF_OK;
    }
  }
  return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

std::vector<std::uint8_t> WindowsBmp(std::int32_t width, std::int32_t height, int bits,
                                     int compression, std::uint32_t entries,
                                     const std::vector<std::uint8_t>& pixels) {
  std::vector<std::uint8_t> out{'B', 'M'};
  const std::uint32_t offset = 54 + entries * 4;
  PutLe(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<std::uint32_t>(width), 4);
  PutLe(out, static_cast<std::uint32_t>(height), 4);
  PutLe(out, 1, 2);
  PutLe(out, bits, 2);
  PutLe(out, compression, 4);
  PutLe(out, static_cast<std::uint32_t>(pixels.size()), 4);
  PutLe(out, 0, 8);
  PutLe(out, entries, 4);
  PutLe(out, 0, 4);
  for (std::uint32_t i = 0; i < entries; ++i) {
    const auto level = static_cast<std::uint8_t>(i * 16);
    out.insert(out.end(), {level, level, level, 0});
  }
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

std::vector<RgbColour> TestColours(std::size_t count) {
  std::vector<RgbColour> colours;
  for (std::size_t i = 0; i < count; ++i) {
    colours.push_back({static_cast<std::uint8_t>(i * 37 + 11), static_cast<std::uint8_t>(255 - i),
                       static_cast<std::uint8_t>(i * 91 % 256)});
  }
  return colours;
}

std::vector<std::uint8_t> TestIndices(std::uint32_t width, std::uint32_t height,
                                      std::size_t colours) {
  std::vector<std::uint8_t> indices(std::size_t{width} * height);
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      // Stripes with runs of varying length, so that LZW builds long strings too.
      indices[std::size_t{y} * width + x] =
          static_cast<std::uint8_t>((x / (1 + y % 5) + y * 3 + (x * y) / 17) % colours);
    }
  }
  return indices;
}

PictureStatus LoadPicture(PictureRecord& record, const std::filesystem::path& file,
                          const PictureFormat& format) {
  record = {};
  record.fileName = file.string();
  record.format = &format;
  if (const auto status = format.readHeader(record); status != PictureStatus::kOk) return status;
  if (!AllocatePictureBuffer(record)) return PictureStatus::kNoMemory;
  return format.load(record);
}

}  // namespace telvane::testing
