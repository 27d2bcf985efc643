// Reading a vCalendar 1.0 or iCalendar 2.0 file dropped on the organizer window: the start
// and the text of its first event.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "organizer/civil_time.h"

namespace telvane::organizer {

// Larger files are not read.
inline constexpr std::size_t kCalendarFileLimit = 1024 * 1024;
// The text taken from an event is cut to this many characters.
inline constexpr std::size_t kCalendarTextLimit = 256;

struct CalendarEvent {
  CivilTime start;      // local time
  std::string summary;  // Latin-1, control characters as blanks
};

// The first VEVENT's DTSTART (a VTIMEZONE's or a VALARM's never counts) and its SUMMARY,
// with any parameters, or its DESCRIPTION when it has no SUMMARY. The content lines are
// those of vCard files (folding, parameters, quoted-printable, CHARSET, UTF-8), values
// unescaped ("\\", "\;", "\,", "\n"). A UTC start ("...Z") becomes local time, a date
// alone 00:00, a start with TZID or without zone is taken as written. Nothing for a text
// holding a NUL byte, one whose first event does not end (a cut file), or one whose first
// event has no valid start.
std::optional<CalendarEvent> ReadCalendarText(std::string_view text);

// The same for a file; nothing when it cannot be read or exceeds kCalendarFileLimit.
std::optional<CalendarEvent> ReadCalendarFile(const std::filesystem::path& file);

}  // namespace telvane::organizer
