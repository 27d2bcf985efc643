// What the simulated phone and its network keep for the call services: call forwarding,
// the SIM's and the network's passwords with their lock states, and the audio profile.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

// One forwarding the network holds: reason 0-3, class 1, 2 or 4; number empty when none
// is registered; time (seconds, 5-30) only for reason 2.
struct ForwardingEntry {
  int reason = 0;
  int classCode = 1;
  std::string number;
  int type = 129;
  int time = 0;
  bool active = false;
};

// Wrong entries each password may still take; 0 blocks it.
struct AttemptsLeft {
  int pin = 3;
  int puk = 10;
  int pin2 = 3;
  int puk2 = 10;
  int barring = 3;
};

inline constexpr int kPinAttempts = 3;
inline constexpr int kPukAttempts = 10;

struct Locks {
  std::string pin = "1111";
  std::string puk = "12345678";
  std::string pin2 = "1234";
  std::string puk2 = "87654321";
  std::string phoneCode = "0000";
  std::string barringPassword = "0000";
  AttemptsLeft attemptsLeft;
  std::vector<std::string> on;        // the locks switched on among CS, PS, SC, FD
  std::map<std::string, int> barred;  // barring facility to the classes it bars (1|2|4)

  // After three wrong PINs the SIM takes only its PUK; after ten wrong PUKs it is dead.
  bool SimWaitsForPuk() const { return attemptsLeft.pin == 0 && attemptsLeft.puk > 0; }
  bool SimBlocked() const { return attemptsLeft.puk == 0; }
  bool IsOn(std::string_view facility) const {
    return std::find(on.begin(), on.end(), facility) != on.end();
  }
  void Switch(const std::string& facility, bool value) {
    std::erase(on, facility);
    if (value) on.push_back(facility);
  }
};

struct Profile {
  int alertMode = 0;  // AT+CALM 0 normal, 1 silent, 2 alarm beep
  int speakerVolume = 2;
  int speakerRangeLow = 0;
  int speakerRangeHigh = 4;
  bool mute = false;
};

}  // namespace telvane::sim
