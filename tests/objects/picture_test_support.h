// Helpers of the picture codec tests: a decoded picture as RGB bytes, ImageMagick as the
// independent decoder, hand-made BMP files and GIF files written with giflib.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "objects/picture/picture_record.h"

namespace telvane::testing {

// A Windows BMP with a 40-byte header, `entries` palette entries (grey levels 0, 16, 32 ...)
// and `pixels` as they are given.
std::vector<std::uint8_t> WindowsBmp(std::int32_t width, std::int32_t height, int bits,
                                     int compression, std::uint32_t entries,
                                     const std::vector<std::uint8_t>& pixels);

// The record's image buffer, top line first, each pixel as red, green, blue through the
// palette (24-bit pixels as they are).
std::string PictureRgb(const objects::PictureRecord& record);

// Runs ImageMagick's convert with `args`; its standard output, or nothing when it failed.
std::optional<std::string> RunConvert(const std::vector<std::string>& args);
// Whether convert can be found on PATH.
bool ConvertAvailable();
// ImageMagick's view of a picture file: width x height x 3 bytes of RGB.
std::optional<std::string> ConvertRgb(const std::filesystem::path& file);

struct GifImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> indices{};              // width x height, top line first
  std::vector<objects::RgbColour> globalColours{};  // empty: no global table
  std::vector<objects::RgbColour> localColours{};   // empty: no local table
  bool interlaced = false;
};

// Writes the picture with giflib; false on any failure.
bool WriteGifWithGiflib(const std::filesystem::path& file, const GifImage& image);

// A palette of `count` distinct colours and a deterministic pattern of indices below it.
std::vector<objects::RgbColour> TestColours(std::size_t count);
std::vector<std::uint8_t> TestIndices(std::uint32_t width, std::uint32_t height,
                                      std::size_t colours);

// Loads a file through the format's header reader, buffer allocation and loader.
objects::PictureStatus LoadPicture(objects::PictureRecord& record,
                                   const std::filesystem::path& file,
                                   const objects::PictureFormat& format);

}  // namespace telvane::testing
