#include "services/facility_locks.h"

#include <array>

#include "link/answer_reader.h"

namespace telvane::services {
namespace {

constexpr std::array<std::string_view, kFacilityCount> kCodes = {"CS", "PS", "SC", "FD", "AO",
                                                                 "OI", "OX", "AI", "IR"};
constexpr std::string_view kRecordPrefix = "+CLCK:";

}  // namespace

std::string_view FacilityCode(int index) {
  return index >= 0 && index < kFacilityCount ? kCodes[static_cast<std::size_t>(index)]
                                              : std::string_view();
}

LockState ReadLockState(std::string_view answer, int index) {
  LockState state;
  link::AnswerCursor cursor(answer);
  if (!IsBarring(index)) {
    state.locked = cursor.SkipTo(kRecordPrefix) && cursor.Number().value_or(0) != 0;
    return state;
  }
  // One record per class; a line holds a record, so a record never runs into the next.
  while (const auto record = cursor.LineAfter(kRecordPrefix)) {
    link::AnswerCursor fields = *record;
    const auto status = fields.Number();
    const auto classCode = fields.SkipPast(',') ? fields.Number() : std::nullopt;
    if (status && classCode == 1 && *status != 0) state.voiceBarred = true;
  }
  return state;
}

std::optional<LockState> QueryLock(link::Exchange& exchange, int index) {
  if (FacilityCode(index).empty()) return std::nullopt;
  if (!exchange.SendCommand("AT+CLCK=" + std::string(FacilityCode(index)) + ",2")) {
    return std::nullopt;
  }
  return ReadLockState(exchange.Answer(), index);
}

bool IsLockPassword(std::string_view password) {
  return password.size() <= kLockPasswordLimit &&
         password.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string LockCommand(int index, int mode, std::string_view password, int classCode) {
  std::string command = "AT+CLCK=" + std::string(FacilityCode(index)) + "," + std::to_string(mode);
  if (IsBarring(index)) {
    command += "," + std::string(password) + "," + std::to_string(classCode);
  } else if (index >= kFirstCodedLock && !password.empty()) {
    command += "," + std::string(password);
  }
  return command;
}

}  // namespace telvane::services
