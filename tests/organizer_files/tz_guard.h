// Runs a test under a time zone of its own: TZ set and tzset() called, both undone after.
#pragma once

#include <time.h>

#include <string>

#include "support/temp_dir.h"

namespace telvane::organizer {

class TimeZoneGuard {
 public:
  explicit TimeZoneGuard(const std::string& zone) : env_("TZ", zone) { tzset(); }

 private:
  // Destroyed after env_ has put TZ back.
  struct Retzset {
    ~Retzset() { tzset(); }
  } retzset_;
  testing::ScopedEnv env_;
};

}  // namespace telvane::organizer
