// Operator selection and the operator's name or code in the format last chosen.
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/network_view.h"

namespace telvane::sim {
namespace {

std::string OperatorLine(CommandContext& context) {
  const NetworkStatus status = CurrentNetwork(context);
  std::string line = "+COPS: " + std::to_string(status.operatorMode);
  if (!IsRegistered(status)) return line;
  const int format = context.SessionSettings().copsFormat;
  const std::string& value = format == 2 ? status.operatorCode : status.operatorName;
  return line + "," + std::to_string(format) + ",\"" + value + "\"";
}

// AT+COPS=<mode>[,<format>[,<oper>]]: 0 automatic (back to the home network), 1 manual and
// 4 manual with automatic fallback on the named network, 2 deregister, 3 only the format.
Reply SelectOperator(CommandContext& context, const CommandRequest& request) {
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->empty() || parts->size() > 3) return Reply::BadParameters();
  const auto mode = ParseNumber((*parts)[0]);
  const auto format = parts->size() > 1 ? ParseNumber((*parts)[1]) : std::optional<int>(0);
  if (!mode || *mode > 4 || !format || *format > 2) return Reply::BadParameters();
  NetworkStatus& status = context.State().status;
  if (*mode == 3) {
    context.SessionSettings().copsFormat = *format;
    return Reply::Ok();
  }
  if (*mode == 1 || *mode == 4) {
    if (parts->size() != 3) return Reply::BadParameters();
    const auto oper = ParseQuoted((*parts)[2]);
    const std::string wanted = oper ? *oper : std::string((*parts)[2]);
    const bool known = *format == 2 ? wanted == status.operatorCode : wanted == status.operatorName;
    if (!known) return Reply::Cme(CmeError::kNoNetworkService);
  }
  status.operatorMode = *mode;
  status.registration = *mode == 2 ? 0 : (status.registration == 0 ? 1 : status.registration);
  context.MarkChanged();
  return Reply::Ok();
}

Reply Operator(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({OperatorLine(context)});
    case CommandForm::kSet: return SelectOperator(context, request);
    default: return Reply::Cme(CmeError::kOperationNotSupported);
  }
}

}  // namespace

void AddOperatorCommands(CommandTable& table) { table.Add("+COPS", Operator); }

}  // namespace telvane::sim
