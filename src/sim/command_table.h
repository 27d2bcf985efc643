#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "sim/at_reply.h"
#include "sim/phone_clock.h"
#include "sim/phone_state.h"

namespace telvane::sim {

enum class CommandForm {
  kAction,  // AT+CBC, ATZ
  kQuery,   // AT+CREG?
  kTest,    // AT+CREG=?
  kSet,     // AT+CREG=2, ATE0
};

// One command of a command line, its name upper-cased ("+CREG", "^SRTC", "E", "&F", "D").
struct CommandRequest {
  std::string name;
  CommandForm form = CommandForm::kAction;
  std::string parameters;  // after "=" (set) or the digits of a basic command
};

// An object arriving block by block with AT^SBNW; it replaces the stored one when its last
// block is accepted.
struct ObjectUpload {
  std::string type;
  int index = 0;
  int blocks = 0;     // the total n of the block headers
  int lastBlock = 0;  // the number of the last accepted block
  std::string bytes;
};

// What the phone keeps between commands besides the serial profile; ATZ leaves it alone.
struct PhoneSession {
  std::string book = "SM";     // selected with AT+CPBS or AT^SPBS
  bool pin2Verified = false;   // PIN2 given with AT+CPIN: fixed-dialling writes allowed
  bool pin2Requested = false;  // a fixed-dialling write was refused for want of PIN2
  std::optional<ObjectUpload> upload;
  bool callActive = false;
  std::size_t routeStep = 0;  // route points passed ("afterCpas" routes)
  std::optional<PhoneClock::Steady::time_point> routeStart;  // first look at a "time" route
};

// Settings of the serial session; lost when the phone is switched off, reset by ATZ.
struct Session {
  bool echo = true;
  bool verbose = true;  // ATV1
  bool quiet = false;   // ATQ1 suppresses result codes
  int cmee = 0;
  int cregMode = 0;
  int cgregMode = 0;
  int copsFormat = 0;  // AT+COPS=3,<n>: 0 long name, 1 short name, 2 numeric code
  int clip = 0;        // AT+CLIP=1: +CLIP: after each ring
  int crc = 0;         // AT+CRC=1: +CRING: <type> instead of RING
  int cusd = 0;        // AT+CUSD=<n>: 1 presents the network's USSD answers
  int smsService = 0;
  int overflowReports = 0;  // AT^SMGO=<n>: 1 reports a full message memory unsolicited
  std::string charset = "GSM";
  int functionality = 1;  // AT+CFUN: 0 radio off, 1 full
  bool poweredOff = false;
  PhoneSession phone;

  void ResetProfile() {
    Session kept = std::move(*this);
    *this = Session{};
    functionality = kept.functionality;
    poweredOff = kept.poweredOff;
    phone = std::move(kept.phone);
  }
};

// What a handler may touch: the phone state, the session and the clock.
class CommandContext {
 public:
  CommandContext(PhoneState& state, Session& session, PhoneClock& clock,
                 PhoneClock::Steady::time_point now)
      : state_(state), session_(session), clock_(clock), now_(now) {}

  PhoneState& State() { return state_; }
  Session& SessionSettings() { return session_; }
  PhoneClock& Clock() { return clock_; }
  PhoneClock::Steady::time_point Now() const { return now_; }
  // Handlers call this after changing the phone state (so it can be saved).
  void MarkChanged() { changed_ = true; }
  bool Changed() const { return changed_; }

 private:
  PhoneState& state_;
  Session& session_;
  PhoneClock& clock_;
  PhoneClock::Steady::time_point now_;
  bool changed_ = false;
};

using CommandHandler = std::function<Reply(CommandContext&, const CommandRequest&)>;

// The commands the phone knows, by name; one group of commands registers itself per file.
class CommandTable {
 public:
  void Add(std::string name, CommandHandler handler);
  // Registers the same handler under another name (AT+GMI for AT+CGMI).
  void Alias(std::string alias, std::string_view name);
  const CommandHandler* Find(std::string_view name) const;

 private:
  std::map<std::string, CommandHandler, std::less<>> handlers_;
};

// Every command group of the phone.
CommandTable StandardCommandTable();

}  // namespace telvane::sim
