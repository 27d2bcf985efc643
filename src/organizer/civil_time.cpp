#include "organizer/civil_time.h"

#include <ctime>
#include <initializer_list>

namespace telvane::organizer {
namespace {

constexpr std::time_t kTwoDays = 2 * 24 * 60 * 60;

std::tm TmOf(const CivilTime& time) {
  std::tm fields{};
  fields.tm_year = time.year - 1900;
  fields.tm_mon = time.month - 1;
  fields.tm_mday = time.day;
  fields.tm_hour = time.hour;
  fields.tm_min = time.minute;
  return fields;
}

CivilTime CivilOf(const std::tm& fields) {
  return {fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour, fields.tm_min};
}

CivilTime LocalAt(std::time_t moment) {
  std::tm fields{};
  localtime_r(&moment, &fields);
  return CivilOf(fields);
}

long OffsetAt(std::time_t moment) {
  std::tm fields{};
  localtime_r(&moment, &fields);
  return fields.tm_gmtoff;
}

std::optional<CivilTime> UtcAt(std::time_t moment) {
  std::tm fields{};
  if (gmtime_r(&moment, &fields) == nullptr) return std::nullopt;
  const CivilTime utc = CivilOf(fields);
  return IsValid(utc) ? std::optional<CivilTime>(utc) : std::nullopt;
}

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= kFirstYear && year <= kLastYear && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValid(const CivilTime& time) {
  return IsValidDate(time.year, time.month, time.day) && time.hour >= 0 && time.hour <= 23 &&
         time.minute >= 0 && time.minute <= 59;
}

std::optional<CivilTime> LocalToUtc(const CivilTime& local) {
  if (!IsValid(local)) return std::nullopt;
  tzset();
  std::tm asUtc = TmOf(local);
  const std::time_t wall = timegm(&asUtc);  // the local time read as if it were UTC
  std::tm fields = TmOf(local);
  fields.tm_isdst = -1;
  const std::time_t guess = std::mktime(&fields);
  // mktime may pick either occurrence of a repeated time: every offset in force around
  // that day is tried, and the earliest moment that shows this local time wins.
  std::optional<std::time_t> first;
  for (const std::time_t candidate : {guess, wall - OffsetAt(wall - kTwoDays),
                                      wall - OffsetAt(wall), wall - OffsetAt(wall + kTwoDays)}) {
    if (LocalAt(candidate) == local && (!first || candidate < *first)) first = candidate;
  }
  // A time the clocks skipped keeps the offset in force before the change.
  if (!first) first = wall - OffsetAt(wall - kTwoDays);
  return UtcAt(*first);
}

std::optional<CivilTime> UtcToLocal(const CivilTime& utc) {
  if (!IsValid(utc)) return std::nullopt;
  tzset();
  std::tm fields = TmOf(utc);
  const CivilTime local = LocalAt(timegm(&fields));
  return IsValid(local) ? std::optional<CivilTime>(local) : std::nullopt;
}

}  // namespace telvane::organizer
