// Feeds arbitrary bytes to the reader of calendar files dropped on the organizer window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "organizer/vcalendar_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto event = telvane::organizer::ReadCalendarText(text);
  if (!event) return 0;
  // A real start, and a bounded text without control characters for the phone's object.
  if (!telvane::organizer::IsValid(event->start)) std::abort();
  if (event->summary.size() > telvane::organizer::kCalendarTextLimit) std::abort();
  for (const char c : event->summary) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  }
  return 0;
}
