#include "organizer/vcalendar_reader.h"

#include <fstream>
#include <vector>

#include "base/decimal.h"
#include "phonebook/content_line.h"

namespace telvane::organizer {
namespace {

constexpr std::size_t kNestingLimit = 16;

// "YYYYMMDD", "YYYYMMDDTHHMM", "YYYYMMDDTHHMMSS", each with "Z" for UTC.
std::optional<CivilTime> StartOf(const phonebook::ContentLine& line) {
  std::string_view value = line.value;
  while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  const bool utc = !value.empty() && (value.back() == 'Z' || value.back() == 'z');
  if (utc) value.remove_suffix(1);
  if (value.size() < 8 || !base::AllDigits(value.substr(0, 8))) return std::nullopt;
  CivilTime start;
  start.year = base::DigitsValue(value.substr(0, 4)).value_or(0);
  start.month = base::DigitsValue(value.substr(4, 2)).value_or(0);
  start.day = base::DigitsValue(value.substr(6, 2)).value_or(0);
  if (value.size() > 8) {
    const std::string_view time = value.substr(9);
    if ((value[8] != 'T' && value[8] != 't') || (time.size() != 4 && time.size() != 6) ||
        !base::AllDigits(time))
      return std::nullopt;
    start.hour = base::DigitsValue(time.substr(0, 2)).value_or(0);
    start.minute = base::DigitsValue(time.substr(2, 2)).value_or(0);
  }
  if (!IsValid(start)) return std::nullopt;
  // A date alone has no zone; a TZID value is the local time of its zone, taken as written.
  if (utc && value.size() > 8 && !line.Parameter("TZID")) return UtcToLocal(start);
  return start;
}

// The value in Latin-1 with the text escapes resolved and control characters as blanks.
std::string TextOf(const phonebook::ContentLine& line) {
  const std::string value = phonebook::Latin1Value(line);
  std::string text;
  for (std::size_t i = 0; i < value.size() && text.size() < kCalendarTextLimit; ++i) {
    char c = value[i];
    if (c == '\\' && i + 1 < value.size()) {
      const char next = value[i + 1];
      if (next == '\\' || next == ';' || next == ',' || next == 'n' || next == 'N') {
        c = next == 'n' || next == 'N' ? ' ' : next;
        ++i;
      }
    }
    text += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  }
  return text;
}

// Follows the components of one file and keeps what the first event says.
class EventReader {
 public:
  // True once the first event has ended.
  bool Take(const phonebook::ContentLine& line) {
    const std::string component = phonebook::UpperCase(line.value);
    if (line.name == "BEGIN") {
      if (open_.size() >= kNestingLimit) return true;
      open_.push_back(component);
    } else if (line.name == "END") {
      if (open_.empty() || open_.back() != component) return false;
      open_.pop_back();
      return component == "VEVENT";
    } else if (!open_.empty() && open_.back() == "VEVENT") {
      TakeProperty(line);
    }
    return false;
  }
  std::optional<CalendarEvent> Event() const {
    if (!start_) return std::nullopt;
    return CalendarEvent{*start_, summary_ ? *summary_ : description_};
  }

 private:
  void TakeProperty(const phonebook::ContentLine& line) {
    if (line.name == "DTSTART" && !start_) {
      start_ = StartOf(line);
    } else if (line.name == "SUMMARY" && !summary_) {
      summary_ = TextOf(line);
    } else if (line.name == "DESCRIPTION" && description_.empty()) {
      description_ = TextOf(line);
    }
  }

  std::vector<std::string> open_;
  std::optional<CivilTime> start_;
  std::optional<std::string> summary_;
  std::string description_;
};

}  // namespace

std::optional<CalendarEvent> ReadCalendarText(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) return std::nullopt;
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  phonebook::ContentLineJoiner joiner;
  EventReader reader;
  const auto take = [&](const std::optional<std::string>& logical) {
    if (!logical) return false;
    const std::optional<phonebook::ContentLine> line = phonebook::ParseContentLine(*logical);
    return line && reader.Take(*line);
  };
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view physical = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!physical.empty() && physical.back() == '\r') physical.remove_suffix(1);
    if (take(joiner.Add(physical))) return reader.Event();
  }
  if (take(joiner.Finish())) return reader.Event();
  return std::nullopt;  // the first event never ended
}

std::optional<CalendarEvent> ReadCalendarFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text(kCalendarFileLimit + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  const auto size = static_cast<std::size_t>(in.gcount());
  if (size > kCalendarFileLimit) return std::nullopt;
  text.resize(size);
  return ReadCalendarText(text);
}

}  // namespace telvane::organizer
