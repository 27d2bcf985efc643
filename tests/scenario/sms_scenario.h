// What the SMS scenario tests share: the SMS list opened the way a person opens it, and
// the commands its reading sends.
#pragma once

#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {

// The main window's "SMS-List" button; the list window is then on top.
inline const std::string kOpenSmsList = "click 1071\nexpect window 120\n";

// One reading of the list: overflow state, every message, the counters.
inline const std::vector<std::string> kListReading = {"AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"};

// What the phone received after the list's first reading.
inline std::vector<std::string> AfterListReading(const Scenario& scenario) {
  std::vector<std::string> from = scenario.ReceivedFrom(kListReading.front());
  if (from.size() < kListReading.size()) return {"(no list reading)"};
  from.erase(from.begin(), from.begin() + static_cast<long>(kListReading.size()));
  return from;
}

}  // namespace telvane::testing
