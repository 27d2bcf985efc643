// Battery, network registration, signal quality and operator.
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/network_view.h"

namespace telvane::sim {
namespace {

NetworkStatus EffectiveStatus(CommandContext& context) { return CurrentNetwork(context); }

bool Registered(const NetworkStatus& status) { return IsRegistered(status); }

Reply BatteryCharge(CommandContext& context, const CommandRequest& request) {
  const NetworkStatus& status = context.State().status;
  switch (request.form) {
    case CommandForm::kAction:
      return Reply::Ok({"+CBC: " + std::to_string(status.batteryStatus) + "," +
                        std::to_string(status.batteryCharge)});
    case CommandForm::kTest: return Reply::Ok({"+CBC: (0-3),(0-100)"});
    default: return Reply::Error();
  }
}

std::string RegistrationLine(const Session& session, const NetworkStatus& status) {
  std::string line =
      "+CREG: " + std::to_string(session.cregMode) + "," + std::to_string(status.registration);
  // The phone gives the location whatever n is (+CREG: 0,1,"5E25","605F").
  if (Registered(status)) {
    line += ",\"" + status.lac + "\",\"" + status.ci + "\"";
  }
  return line;
}

Reply Registration(CommandContext& context, const CommandRequest& request) {
  Session& session = context.SessionSettings();
  switch (request.form) {
    case CommandForm::kQuery:
      return Reply::Ok({RegistrationLine(session, EffectiveStatus(context))});
    case CommandForm::kTest: return Reply::Ok({"+CREG: (0-2)"});
    case CommandForm::kSet: {
      if (request.parameters.empty()) {
        session.cregMode = 0;
        return Reply::Ok();
      }
      const auto mode = ParseNumber(request.parameters);
      if (!mode || *mode > 2) {
        return Reply::BadParameters();
      }
      session.cregMode = *mode;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

Reply SignalQuality(CommandContext& context, const CommandRequest& request) {
  const NetworkStatus status = EffectiveStatus(context);
  switch (request.form) {
    case CommandForm::kAction:
      return Reply::Ok({"+CSQ: " + std::to_string(status.rssi) + "," + std::to_string(status.ber)});
    case CommandForm::kTest: return Reply::Ok({"+CSQ: (0-31,99),(0-7,99)"});
    default: return Reply::Error();
  }
}

}  // namespace

void AddStatusCommands(CommandTable& table) {
  table.Add("+CBC", BatteryCharge);
  table.Add("+CREG", Registration);
  table.Add("+CSQ", SignalQuality);
}

}  // namespace telvane::sim
