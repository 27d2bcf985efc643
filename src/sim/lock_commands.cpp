// The SIM's PIN, PUK, PIN2 and PUK2, the phone code and the network's barring password:
// AT+CPIN, the facility locks and call barrings of AT+CLCK, and AT+CPWD changing them.
#include <array>
#include <optional>

#include "sim/at_params.h"
#include "sim/service_commands.h"

namespace telvane::sim {
namespace {

constexpr std::array<std::string_view, 4> kLocks = {"CS", "PS", "SC", "FD"};
constexpr std::array<std::string_view, 5> kBarrings = {"AO", "OI", "OX", "AI", "IR"};

bool IsOneOf(std::string_view name, auto const& names) {
  for (std::string_view known : names) {
    if (known == name) return true;
  }
  return false;
}

// Checks `given` against a password with its counter: a wrong one costs an attempt, a
// right one gives all attempts back.
bool CheckPassword(CommandContext& context, std::string_view given, const std::string& password,
                   int& attempts, int fullAttempts) {
  context.MarkChanged();
  if (given == password) {
    attempts = fullAttempts;
    return true;
  }
  if (attempts > 0) --attempts;
  return false;
}

// AT+CPIN=<puk>,<new pin> while the SIM waits for its PUK.
Reply UnblockSim(CommandContext& context, std::string_view puk, std::string_view newPin) {
  Locks& locks = context.State().locks;
  if (newPin.size() < 4 || newPin.size() > 8 ||
      newPin.find_first_not_of("0123456789") != std::string_view::npos) {
    return Reply::Cme(CmeError::kIncorrectPassword);
  }
  if (!CheckPassword(context, puk, locks.puk, locks.attemptsLeft.puk, kPukAttempts)) {
    return Reply::Cme(locks.SimBlocked() ? CmeError::kSimFailure : CmeError::kIncorrectPassword);
  }
  locks.pin = std::string(newPin);
  locks.attemptsLeft.pin = kPinAttempts;
  return Reply::Ok();
}

// AT+CPIN=<pin2>, or <puk2>,<new pin2> once PIN2 is blocked: allows fixed-dialling writes.
Reply EnterPin2(CommandContext& context, std::string_view given, std::string_view newPin2) {
  Locks& locks = context.State().locks;
  PhoneSession& phone = context.SessionSettings().phone;
  AttemptsLeft& left = locks.attemptsLeft;
  if (left.pin2 == 0) {
    if (left.puk2 == 0) return Reply::Cme(CmeError::kSimFailure);
    if (newPin2.size() < 4 || newPin2.size() > 8) return Reply::Cme(CmeError::kSimPuk2Required);
    if (!CheckPassword(context, given, locks.puk2, left.puk2, kPukAttempts)) {
      return Reply::Cme(CmeError::kIncorrectPassword);
    }
    locks.pin2 = std::string(newPin2);
    left.pin2 = kPinAttempts;
  } else if (!CheckPassword(context, given, locks.pin2, left.pin2, kPinAttempts)) {
    return Reply::Cme(CmeError::kIncorrectPassword);
  }
  phone.pin2Verified = true;
  phone.pin2Requested = false;
  return Reply::Ok();
}

Reply PinStatus(CommandContext& context, const CommandRequest& request) {
  const Locks& locks = context.State().locks;
  const PhoneSession& phone = context.SessionSettings().phone;
  switch (request.form) {
    case CommandForm::kQuery:
      if (locks.SimBlocked()) return Reply::Cme(CmeError::kSimFailure);
      if (locks.SimWaitsForPuk()) return Reply::Ok({"+CPIN: SIM PUK"});
      if (!phone.pin2Requested) return Reply::Ok({"+CPIN: READY"});
      return Reply::Ok({locks.attemptsLeft.pin2 == 0 ? "+CPIN: SIM PUK2" : "+CPIN: SIM PIN2"});
    case CommandForm::kTest: return Reply::Ok();
    case CommandForm::kSet: {
      const auto parts = SplitParameters(request.parameters);
      if (!parts || parts->size() > 2 || (*parts)[0].empty()) return Reply::Error();
      const std::string_view given = Unquoted((*parts)[0]);
      const std::string_view second = parts->size() > 1 ? Unquoted((*parts)[1]) : "";
      if (locks.SimBlocked()) return Reply::Cme(CmeError::kSimFailure);
      if (locks.SimWaitsForPuk()) return UnblockSim(context, given, second);
      return EnterPin2(context, given, second);
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

// The password a lock or barring checks, with its counter; none for the keyboard lock.
struct Guard {
  std::string* password = nullptr;
  int* attempts = nullptr;
  CmeError blocked = CmeError::kOperationNotAllowed;
};

Guard GuardOf(Locks& locks, std::string_view facility) {
  AttemptsLeft& left = locks.attemptsLeft;
  if (facility == "PS") return {&locks.phoneCode, nullptr, CmeError::kOperationNotAllowed};
  if (facility == "SC") return {&locks.pin, &left.pin, CmeError::kSimPukRequired};
  if (facility == "FD" || facility == "P2") {
    return {&locks.pin2, &left.pin2, CmeError::kSimPuk2Required};
  }
  if (facility == "CS") return {};
  return {&locks.barringPassword, &left.barring, CmeError::kOperationNotAllowed};
}

Reply QueryFacility(CommandContext& context, std::string_view facility) {
  const Locks& locks = context.State().locks;
  if (IsOneOf(facility, kLocks)) return Reply::Ok({locks.IsOn(facility) ? "+CLCK: 1" : "+CLCK: 0"});
  const auto it = locks.barred.find(std::string(facility));
  const int bits = it == locks.barred.end() ? 0 : it->second;
  std::vector<std::string> lines;
  for (int classCode : {1, 2, 4}) {
    lines.push_back("+CLCK: " + std::string((bits & classCode) ? "1," : "0,") +
                    std::to_string(classCode));
  }
  return Reply::Ok(std::move(lines));
}

// Switches a lock or barring once its password was checked.
void SwitchFacility(Locks& locks, std::string_view facility, bool on, int classes) {
  if (IsOneOf(facility, kLocks)) {
    locks.Switch(std::string(facility), on);
    return;
  }
  // AB lifts every barring, AG the outgoing ones, AC the incoming ones.
  for (std::string_view barring : kBarrings) {
    const bool outgoing = barring[0] == 'O' || barring == "AO";
    const bool named = barring == facility || facility == "AB" || (facility == "AG" && outgoing) ||
                       (facility == "AC" && !outgoing);
    if (!named) continue;
    int& bits = locks.barred[std::string(barring)];
    bits = on ? (bits | classes) : (bits & ~classes);
    if (bits == 0) locks.barred.erase(std::string(barring));
  }
}

Reply SetFacility(CommandContext& context, std::string_view facility, int mode,
                  std::string_view password, int classes) {
  Locks& locks = context.State().locks;
  const bool lifting = facility == "AB" || facility == "AG" || facility == "AC";
  if (lifting && mode != 0) return Reply::BadParameters();
  const Guard guard = GuardOf(locks, facility);
  if (guard.password != nullptr) {
    if (guard.attempts != nullptr && *guard.attempts == 0) return Reply::Cme(guard.blocked);
    if (password.empty()) return Reply::Cme(CmeError::kIncorrectPassword);
    int unlimited = kPinAttempts;
    int& attempts = guard.attempts != nullptr ? *guard.attempts : unlimited;
    if (!CheckPassword(context, password, *guard.password, attempts, kPinAttempts)) {
      return Reply::Cme(CmeError::kIncorrectPassword);
    }
  }
  SwitchFacility(locks, facility, mode == 1, classes);
  context.MarkChanged();
  return Reply::Ok();
}

Reply FacilityLock(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok(
        {"+CLCK: (\"CS\",\"PS\",\"SC\",\"FD\",\"AO\",\"OI\",\"OX\",\"AI\",\"IR\","
         "\"AB\",\"AG\",\"AC\")"});
  }
  if (request.form != CommandForm::kSet) return Reply::Error();
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() < 2 || parts->size() > 4) return Reply::Error();
  const std::string_view facility = Unquoted((*parts)[0]);
  const auto mode = ParseNumber((*parts)[1]);
  const std::string_view password = parts->size() > 2 ? Unquoted((*parts)[2]) : "";
  const auto classes =
      parts->size() > 3 && !(*parts)[3].empty() ? ParseNumber((*parts)[3]) : std::optional<int>(7);
  if (!mode || !classes) return Reply::Error();
  const bool barring = !IsOneOf(facility, kLocks);
  if (barring && !IsOneOf(facility, kBarrings) && facility != "AB" && facility != "AG" &&
      facility != "AC") {
    return Reply::BadParameters();
  }
  if (*mode > 2 || *classes < 1 || *classes > 7) return Reply::BadParameters();
  const Locks& locks = context.State().locks;
  if ((facility == "SC" || facility == "FD") && locks.SimBlocked()) {
    return Reply::Cme(CmeError::kSimFailure);
  }
  if ((facility == "SC" || facility == "FD") && locks.SimWaitsForPuk()) {
    return Reply::Cme(CmeError::kSimPukRequired);
  }
  if (barring && !OnNetwork(context)) return Reply::Cme(CmeError::kNoNetworkService);
  if (*mode == 2) {
    if (facility == "AB" || facility == "AG" || facility == "AC") return Reply::BadParameters();
    return QueryFacility(context, facility);
  }
  return SetFacility(context, facility, *mode, password, *classes);
}

bool IsBarringFacility(std::string_view facility) {
  return IsOneOf(facility, kBarrings) || facility == "AB" || facility == "AG" || facility == "AC";
}

// The SIM's state for the facilities whose password the SIM keeps; none when it answers.
std::optional<Reply> SimRefusal(const Locks& locks, std::string_view facility) {
  if (facility != "SC" && facility != "FD" && facility != "P2") return std::nullopt;
  if (locks.SimBlocked()) return Reply::Cme(CmeError::kSimFailure);
  if (locks.SimWaitsForPuk()) return Reply::Cme(CmeError::kSimPukRequired);
  return std::nullopt;
}

// AT+CPWD=<fac>,<old>,<new>: the PIN (SC), PIN2 (P2), phone code (PS) or the barring
// password (any barring facility) is changed once the old one is checked.
Reply ChangePassword(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok(
        {"+CPWD: (\"PS\",8),(\"SC\",8),(\"P2\",8),(\"AO\",4),(\"OI\",4),(\"OX\",4),"
         "(\"AI\",4),(\"IR\",4),(\"AB\",4),(\"AG\",4),(\"AC\",4)"});
  }
  const auto parts = SplitParameters(request.parameters);
  if (request.form != CommandForm::kSet || !parts || parts->size() != 3) return Reply::Error();
  const std::string_view facility = Unquoted((*parts)[0]);
  const std::string_view old = Unquoted((*parts)[1]);
  const std::string_view fresh = Unquoted((*parts)[2]);
  const bool barring = IsBarringFacility(facility);
  if (!barring && facility != "SC" && facility != "P2" && facility != "PS") {
    return Reply::BadParameters();
  }
  Locks& locks = context.State().locks;
  if (const auto refusal = SimRefusal(locks, facility)) return *refusal;
  if (barring && !OnNetwork(context)) return Reply::Cme(CmeError::kNoNetworkService);
  const Guard guard = GuardOf(locks, facility);
  if (guard.attempts != nullptr && *guard.attempts == 0) return Reply::Cme(guard.blocked);
  const bool wellFormed = (barring ? fresh.size() == 4 : fresh.size() >= 4 && fresh.size() <= 8) &&
                          fresh.find_first_not_of("0123456789") == std::string_view::npos;
  if (old.empty() || !wellFormed) return Reply::Cme(CmeError::kIncorrectPassword);
  int unlimited = kPinAttempts;
  int& attempts = guard.attempts != nullptr ? *guard.attempts : unlimited;
  if (!CheckPassword(context, old, *guard.password, attempts, kPinAttempts)) {
    return Reply::Cme(CmeError::kIncorrectPassword);
  }
  *guard.password = std::string(fresh);
  return Reply::Ok();
}

}  // namespace

std::string_view Unquoted(std::string_view parameter) {
  if (parameter.size() >= 2 && parameter.front() == '"' && parameter.back() == '"') {
    return parameter.substr(1, parameter.size() - 2);
  }
  return parameter;
}

bool OnNetwork(CommandContext& context) {
  const PhoneState& state = context.State();
  const int registration = state.status.registration;
  return context.SessionSettings().functionality != 0 && (registration == 1 || registration == 5) &&
         !state.locks.SimWaitsForPuk() && !state.locks.SimBlocked();
}

void GuardSimBooks(CommandTable& table) {
  for (const char* name : {"+CPBS", "^SPBS", "+CPBR", "^SPBG", "+CPBW", "+CPBF"}) {
    const CommandHandler* handler = table.Find(name);
    if (handler == nullptr) continue;
    table.Add(name, [inner = *handler](CommandContext& context, const CommandRequest& request) {
      const Locks& locks = context.State().locks;
      if (locks.SimBlocked()) return Reply::Cme(CmeError::kSimFailure);
      if (locks.SimWaitsForPuk()) return Reply::Cme(CmeError::kSimPukRequired);
      return inner(context, request);
    });
  }
}

void AddLockCommands(CommandTable& table) {
  table.Add("+CPIN", PinStatus);
  table.Add("+CLCK", FacilityLock);
  table.Add("+CPWD", ChangePassword);
}

}  // namespace telvane::sim
