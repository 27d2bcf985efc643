#include "sim/phone_clock.h"

#include <cstdio>

namespace telvane::sim {
namespace {

using namespace std::chrono;

constexpr sys_days kEpoch = year{2000} / January / 1;

std::optional<int> TwoDigits(std::string_view text, std::size_t at) {
  if (at + 2 > text.size()) {
    return std::nullopt;
  }
  const char a = text[at];
  const char b = text[at + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') {
    return std::nullopt;
  }
  return (a - '0') * 10 + (b - '0');
}

}  // namespace

std::optional<seconds> PhoneClock::Parse(std::string_view text) {
  // yy/MM/dd,hh:mm:ss
  if (text.size() != 17 || text[2] != '/' || text[5] != '/' || text[8] != ',' || text[11] != ':' ||
      text[14] != ':') {
    return std::nullopt;
  }
  const auto yy = TwoDigits(text, 0);
  const auto mo = TwoDigits(text, 3);
  const auto dd = TwoDigits(text, 6);
  const auto hh = TwoDigits(text, 9);
  const auto mi = TwoDigits(text, 12);
  const auto ss = TwoDigits(text, 15);
  if (!yy || !mo || !dd || !hh || !mi || !ss || *hh > 23 || *mi > 59 || *ss > 59) {
    return std::nullopt;
  }
  const year_month_day date{year{2000 + *yy}, month{static_cast<unsigned>(*mo)},
                            day{static_cast<unsigned>(*dd)}};
  if (!date.ok()) {
    return std::nullopt;
  }
  const auto days = sys_days{date} - kEpoch;
  return duration_cast<seconds>(days) + hours{*hh} + minutes{*mi} + seconds{*ss};
}

PhoneClock::PhoneClock(std::string_view text, Steady::time_point now)
    : setting_(Parse(text).value_or(seconds{0})), anchor_(now) {}

bool PhoneClock::Set(std::string_view text, Steady::time_point now) {
  const auto parsed = Parse(text);
  if (!parsed) {
    return false;
  }
  setting_ = *parsed;
  anchor_ = now;
  return true;
}

std::string PhoneClock::Read(Steady::time_point now) const {
  auto elapsed = duration_cast<seconds>(now - anchor_);
  if (elapsed < seconds{0}) {
    elapsed = seconds{0};
  }
  // The two-digit year wraps after 2099 as the phone's does.
  const seconds kCentury = duration_cast<seconds>(sys_days{year{2100} / January / 1} - kEpoch);
  const seconds total = (setting_ + elapsed) % kCentury;
  const sys_seconds point = sys_seconds{kEpoch} + total;
  const sys_days day = floor<days>(point);
  const year_month_day date{day};
  const hh_mm_ss time{point - day};
  char text[32];
  std::snprintf(text, sizeof text, "%02d/%02u/%02u,%02ld:%02ld:%02ld",
                static_cast<int>(date.year()) % 100, static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<long>(time.hours().count()),
                static_cast<long>(time.minutes().count()),
                static_cast<long>(time.seconds().count()));
  return text;
}

}  // namespace telvane::sim
