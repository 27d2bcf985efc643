// Dates in the user's short date format: the order of day, month and year and the
// separator, taken from the format's picture ("dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "organizer/civil_time.h"

namespace telvane::organizer {

enum class DateOrder { kDayMonthYear, kMonthDayYear, kYearMonthDay };

struct DateFormat {
  DateOrder order = DateOrder::kYearMonthDay;
  char separator = '.';

  // In the picture d, D, t, T stand for the day, m, M for the month and y, Y, j, J for the
  // year; the first character that is none of them is the separator ("." when there is
  // none); the order of the first three letter groups gives the order, any order but
  // day-month-year and month-day-year counting as year-month-day.
  static DateFormat FromPicture(std::string_view picture);
};

// "24.12.2001", "12/24/2001", "2001-12-24": day and month with two digits, the year with
// four.
std::string FormatDate(const DateFormat& format, int year, int month, int day);

// The date of a field written in `format`: three numbers split at its separator, in its
// order, each of digits only (blanks around them allowed), forming a valid date. Nothing
// otherwise (a header line, a date in another order or with another separator).
std::optional<CivilTime> ParseDate(const DateFormat& format, std::string_view field);

// The organizer list's date column "YYYY/MM/DD"; nothing when it is not a valid date.
std::optional<CivilTime> ParseRowDate(std::string_view column);
// The time column "HH:MM" (or any hour and minute split by one non-digit, seconds after
// a second separator ignored); nothing when it is not a valid time of day. The date
// fields of the result stay at their defaults.
std::optional<CivilTime> ParseTimeOfDay(std::string_view field);

}  // namespace telvane::organizer
