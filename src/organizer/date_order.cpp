#include "organizer/date_order.h"

#include <array>
#include <cstdio>
#include <vector>

#include "base/decimal.h"

namespace telvane::organizer {
namespace {

enum class Part { kNone, kDay, kMonth, kYear };

Part PartOf(char c) {
  switch (c) {
    case 'd':
    case 'D':
    case 't':
    case 'T': return Part::kDay;
    case 'm':
    case 'M': return Part::kMonth;
    case 'y':
    case 'Y':
    case 'j':
    case 'J': return Part::kYear;
    default: return Part::kNone;
  }
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A field of digits only, at most nine of them.
std::optional<int> Digits(std::string_view field) {
  field = Trimmed(field);
  if (field.empty() || field.size() > 9) return std::nullopt;
  for (const char c : field) {
    if (!IsDigit(c)) return std::nullopt;
  }
  return base::LeadingDecimal(field);
}

// The three fields of a date split at `separator`; nothing unless there are exactly three.
std::optional<std::array<int, 3>> ThreeNumbers(std::string_view text, char separator) {
  std::array<int, 3> numbers{};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::size_t end = i < 2 ? text.find(separator) : text.size();
    if (end == std::string_view::npos) return std::nullopt;
    const std::optional<int> number = Digits(text.substr(0, end));
    if (!number) return std::nullopt;
    numbers[i] = *number;
    text.remove_prefix(i < 2 ? end + 1 : end);
  }
  return numbers;
}

std::optional<CivilTime> DateOf(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) return std::nullopt;
  CivilTime date;
  date.year = year;
  date.month = month;
  date.day = day;
  return date;
}

}  // namespace

DateFormat DateFormat::FromPicture(std::string_view picture) {
  DateFormat format;
  bool separatorFound = false;
  std::vector<Part> groups;
  Part last = Part::kNone;
  for (const char c : picture) {
    const Part part = PartOf(c);
    if (part == Part::kNone && !separatorFound) {
      format.separator = c;
      separatorFound = true;
    }
    if (part != Part::kNone && part != last) groups.push_back(part);
    last = part;
  }
  if (groups.size() >= 3 && groups[0] == Part::kDay && groups[1] == Part::kMonth &&
      groups[2] == Part::kYear) {
    format.order = DateOrder::kDayMonthYear;
  } else if (groups.size() >= 3 && groups[0] == Part::kMonth && groups[1] == Part::kDay &&
             groups[2] == Part::kYear) {
    format.order = DateOrder::kMonthDayYear;
  }
  return format;
}

std::string FormatDate(const DateFormat& format, int year, int month, int day) {
  char text[64];
  const char s = format.separator;
  switch (format.order) {
    case DateOrder::kDayMonthYear:
      std::snprintf(text, sizeof text, "%02d%c%02d%c%4d", day, s, month, s, year);
      break;
    case DateOrder::kMonthDayYear:
      std::snprintf(text, sizeof text, "%02d%c%02d%c%4d", month, s, day, s, year);
      break;
    case DateOrder::kYearMonthDay:
      std::snprintf(text, sizeof text, "%4d%c%02d%c%02d", year, s, month, s, day);
      break;
  }
  return text;
}

std::optional<CivilTime> ParseDate(const DateFormat& format, std::string_view field) {
  const auto numbers = ThreeNumbers(field, format.separator);
  if (!numbers) return std::nullopt;
  const auto [a, b, c] = *numbers;
  switch (format.order) {
    case DateOrder::kDayMonthYear: return DateOf(c, b, a);
    case DateOrder::kMonthDayYear: return DateOf(c, a, b);
    case DateOrder::kYearMonthDay: break;
  }
  return DateOf(a, b, c);
}

std::optional<CivilTime> ParseRowDate(std::string_view column) {
  const auto numbers = ThreeNumbers(column, '/');
  if (!numbers) return std::nullopt;
  return DateOf((*numbers)[0], (*numbers)[1], (*numbers)[2]);
}

std::optional<CivilTime> ParseTimeOfDay(std::string_view field) {
  field = Trimmed(field);
  std::size_t split = 0;
  while (split < field.size() && IsDigit(field[split])) ++split;
  if (split == 0 || split > 2 || split >= field.size()) return std::nullopt;
  std::size_t end = split + 1;
  while (end < field.size() && IsDigit(field[end])) ++end;
  if (end == split + 1 || end > split + 3) return std::nullopt;
  // Seconds may follow after another separator; nothing else may.
  if (end < field.size() && (field.size() - end > 3 || !Digits(field.substr(end + 1))))
    return std::nullopt;
  CivilTime time;
  time.hour = *Digits(field.substr(0, split));
  time.minute = *Digits(field.substr(split + 1, end - split - 1));
  if (time.hour > 23 || time.minute > 59) return std::nullopt;
  return time;
}

}  // namespace telvane::organizer
