// Facility locks and call barrings with AT+CLCK: the nine facilities, their query and the
// commands that switch them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "link/exchange.h"

namespace telvane::services {

inline constexpr int kFacilityCount = 9;
// Indexes 0-3 are the keyboard, phone, SIM and FDN locks; 4-8 the call barrings.
inline constexpr int kFirstBarring = 4;
// The phone, SIM and FDN locks ask for their code (phone code, SIM PIN, PIN2).
inline constexpr int kFirstCodedLock = 1;
inline constexpr std::size_t kLockPasswordLimit = 9;

// CS, PS, SC, FD, AO, OI, OX, AI, IR; empty outside 0-8.
std::string_view FacilityCode(int index);
inline bool IsBarring(int index) { return index >= kFirstBarring && index < kFacilityCount; }

// What the query shows: a lock's state, or for a barring whether voice calls are barred.
struct LockState {
  bool locked = false;
  bool voiceBarred = false;
};

// The state an AT+CLCK=<code>,2 answer gives for facility `index`.
LockState ReadLockState(std::string_view answer, int index);

// Sends AT+CLCK=<code>,2; none when the phone refused.
std::optional<LockState> QueryLock(link::Exchange& exchange, int index);

// True when `password` may stand unquoted in a command: digits only, at most 9.
bool IsLockPassword(std::string_view password);

// AT+CLCK=<code>,<mode> for a lock, with ",<password>" for the coded locks when one is
// given; AT+CLCK=<code>,<mode>,<password>,<class> for a barring (classCode used only
// there). The password must pass IsLockPassword.
std::string LockCommand(int index, int mode, std::string_view password, int classCode);

}  // namespace telvane::services
