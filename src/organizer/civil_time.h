// A date and a time of day as the organizer keeps them (minutes, no seconds), the local
// time of the user's time zone or UTC, and its conversions through the zone's rules.
#pragma once

#include <optional>

namespace telvane::organizer {

struct CivilTime {
  int year = 2001, month = 1, day = 1;
  int hour = 0, minute = 0;
  bool operator==(const CivilTime&) const = default;
};

inline constexpr int kFirstYear = 1000;  // years have four digits in every file
inline constexpr int kLastYear = 9999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// A date of the Gregorian calendar with a four-digit year, and a time of day.
bool IsValidDate(int year, int month, int day);
bool IsValid(const CivilTime& time);

// The UTC moment of a local time under the process's time zone (TZ), from the zone's
// rules for that date. A local time skipped when the clocks go forward counts as that
// much later (02:30 on a spring day in Berlin is 03:30 summer time); one that occurs
// twice when they go back is its first occurrence (summer time). Nothing for an invalid
// time.
std::optional<CivilTime> LocalToUtc(const CivilTime& local);
// The local time of a UTC moment under the process's time zone.
std::optional<CivilTime> UtcToLocal(const CivilTime& utc);

}  // namespace telvane::organizer
