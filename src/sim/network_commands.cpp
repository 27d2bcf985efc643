// The phone's activity, its current calls and the packet-domain questions gammu asks.
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/network_view.h"

namespace telvane::sim {
namespace {

// GSM 07.07: 0 ready, 3 ringing, 4 call in progress.
int Activity(const PhoneState& state) {
  if (state.currentCalls.empty()) return 0;
  for (const CurrentCall& call : state.currentCalls) {
    if (call.state != 4 && call.state != 5) return 4;
  }
  return 3;
}

Reply PhoneActivity(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kAction: {
      Reply reply = Reply::Ok({"+CPAS: " + std::to_string(Activity(context.State()))});
      AdvanceRouteAfterCpas(context);
      return reply;
    }
    case CommandForm::kTest: return Reply::Ok({"+CPAS: (0-5)"});
    default: return Reply::Error();
  }
}

std::string CallLine(const CurrentCall& call) {
  std::string line = "+CLCC: " + std::to_string(call.id) + "," + std::to_string(call.direction) +
                     "," + std::to_string(call.state) + "," + std::to_string(call.mode) + "," +
                     (call.multiparty ? "1" : "0");
  if (!call.number.empty()) line += ",\"" + call.number + "\"," + std::to_string(call.type);
  return line;
}

Reply CurrentCalls(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kAction: {
      std::vector<std::string> lines;
      for (const CurrentCall& call : context.State().currentCalls) lines.push_back(CallLine(call));
      return Reply::Ok(std::move(lines));
    }
    case CommandForm::kTest: return Reply::Ok();
    default: return Reply::Error();
  }
}

// The packet domain follows the circuit-switched registration; no location is given.
Reply PacketRegistration(CommandContext& context, const CommandRequest& request) {
  Session& session = context.SessionSettings();
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({"+CGREG: " + std::to_string(session.cgregMode) + "," +
                        std::to_string(CurrentNetwork(context).registration)});
    case CommandForm::kTest: return Reply::Ok({"+CGREG: (0-2)"});
    case CommandForm::kSet: {
      const auto mode = ParseNumber(request.parameters);
      if (!mode || *mode > 2) return Reply::BadParameters();
      session.cgregMode = *mode;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

// Never attached: this phone offers no packet data.
Reply PacketAttach(CommandContext&, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CGATT: 0"});
    case CommandForm::kTest: return Reply::Ok({"+CGATT: (0-1)"});
    case CommandForm::kSet:
      return request.parameters == "0" ? Reply::Ok() : Reply::Cme(CmeError::kNoNetworkService);
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddNetworkCommands(CommandTable& table) {
  table.Add("+CPAS", PhoneActivity);
  table.Add("+CLCC", CurrentCalls);
  table.Add("+CGREG", PacketRegistration);
  table.Add("+CGATT", PacketAttach);
}

}  // namespace telvane::sim
