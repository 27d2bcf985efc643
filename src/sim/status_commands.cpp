// Battery, network registration, signal quality and operator.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// With the radio switched off (AT+CFUN=0) the phone is not registered and has no signal;
// a SIM waiting for its PUK (or dead) keeps it off the network too.
NetworkStatus EffectiveStatus(CommandContext& context) {
  NetworkStatus status = context.State().status;
  const Locks& locks = context.State().locks;
  if (locks.SimWaitsForPuk() || locks.SimBlocked()) status.registration = 0;
  if (context.SessionSettings().functionality == 0) {
    status.registration = 0;
    status.rssi = 99;
    status.ber = 99;
  }
  return status;
}

bool Registered(const NetworkStatus& status) {
  return status.registration == 1 || status.registration == 5;
}

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

// Only the query for now; operator selection and the operator list come with the network
// commands.
Reply Operator(CommandContext& context, const CommandRequest& request) {
  if (request.form != CommandForm::kQuery) {
    return Reply::Cme(CmeError::kOperationNotSupported);
  }
  const NetworkStatus status = EffectiveStatus(context);
  std::string line = "+COPS: " + std::to_string(status.operatorMode);
  if (Registered(status)) {
    line += ",0,\"" + status.operatorName + "\"";
  }
  return Reply::Ok({line});
}

}  // namespace

void AddStatusCommands(CommandTable& table) {
  table.Add("+CBC", BatteryCharge);
  table.Add("+CREG", Registration);
  table.Add("+CSQ", SignalQuality);
  table.Add("+COPS", Operator);
}

}  // namespace telvane::sim
