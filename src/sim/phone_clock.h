#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace telvane::sim {

// The phone's real-time clock: set as "yy/MM/dd,hh:mm:ss" and running from then on.
class PhoneClock {
 public:
  using Steady = std::chrono::steady_clock;

  PhoneClock(std::string_view text, Steady::time_point now);  // an invalid text starts at 00/01/01
  std::string Read(Steady::time_point now) const;
  bool Set(std::string_view text, Steady::time_point now);

  // Seconds since 2000-01-01 00:00:00 for a valid "yy/MM/dd,hh:mm:ss", else nothing.
  static std::optional<std::chrono::seconds> Parse(std::string_view text);

 private:
  std::chrono::seconds setting_{0};
  Steady::time_point anchor_;
};

}  // namespace telvane::sim
