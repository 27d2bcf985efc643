// Ringing and the caller's identity: AT+CLIP (calling line identification) and AT+CRC
// (extended ring codes), and the codes an incoming call of `calls.current` sends.
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/incoming_call.h"

namespace telvane::sim {
namespace {

constexpr int kIncoming = 4;
constexpr int kReceived = 1;

// The +CRING: type of GSM 07.07 for a call mode of +CLCC.
std::string_view RingType(int mode) {
  switch (mode) {
    case 1: return "ASYNC";
    case 2: return "FAX";
    default: return "VOICE";
  }
}

// +CLIP: <number>,<type>; a caller without a number gives CLI validity 2 (not available).
std::string ClipLine(const CurrentCall& call) {
  if (call.number.empty()) return "+CLIP: \"\",128,,,,2";
  return "+CLIP: \"" + call.number + "\"," + std::to_string(call.type);
}

// The query and set forms of a 0/1 switch: "+CLIP: <n>[,<suffix>]", "+CLIP: (0,1)".
Reply Switch(const CommandRequest& request, int& value, const std::string& prefix,
             std::string_view suffix) {
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({prefix + std::to_string(value) + std::string(suffix)});
    case CommandForm::kTest: return Reply::Ok({prefix + "(0,1)"});
    case CommandForm::kSet: {
      const auto parsed =
          request.parameters.empty() ? std::optional<int>(0) : ParseNumber(request.parameters);
      if (!parsed) return Reply::Error();
      if (*parsed > 1) return Reply::BadParameters();
      value = *parsed;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

// The network provides the caller's number to this subscription (<m> 1).
Reply CallerIdentity(CommandContext& context, const CommandRequest& request) {
  return Switch(request, context.SessionSettings().clip, "+CLIP: ", ",1");
}

Reply CellularResultCodes(CommandContext& context, const CommandRequest& request) {
  return Switch(request, context.SessionSettings().crc, "+CRC: ", "");
}

}  // namespace

std::vector<std::string> IncomingCallCodes(CommandContext& context) {
  const Session& session = context.SessionSettings();
  for (const CurrentCall& call : context.State().currentCalls) {
    if (call.state != kIncoming || call.direction != kReceived) continue;
    std::vector<std::string> codes;
    codes.push_back(session.crc == 1 ? "+CRING: " + std::string(RingType(call.mode)) : "RING");
    if (session.clip == 1) codes.push_back(ClipLine(call));
    return codes;
  }
  return {};
}

void AddCallerCommands(CommandTable& table) {
  table.Add("+CLIP", CallerIdentity);
  table.Add("+CRC", CellularResultCodes);
}

}  // namespace telvane::sim
