// Operator selection and the operator's name or code in the format last chosen.
#include <algorithm>

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

// Registers with the found network named by code or long name: it becomes the current
// one. False when no such network was found or it is forbidden.
bool Register(PhoneState& state, const std::string& wanted, bool numeric) {
  std::vector<FoundOperator>& found = state.operators.found;
  const auto chosen = std::find_if(found.begin(), found.end(), [&](const FoundOperator& f) {
    return numeric ? f.code == wanted : f.name == wanted;
  });
  if (chosen == found.end() || chosen->state == 3) return false;
  for (FoundOperator& f : found) {
    if (f.state == 2) f.state = 1;
  }
  chosen->state = 2;
  state.status.operatorCode = chosen->code;
  state.status.operatorName = chosen->name;
  return true;
}

// Automatic selection registers with the home network, the found one whose code begins
// the IMSI; without it (not found or forbidden) the phone is left searching (state 2).
void RegisterHome(PhoneState& state) {
  const std::string& imsi = state.identity.imsi;
  for (const FoundOperator& f : state.operators.found) {
    if (imsi.starts_with(f.code) && Register(state, f.code, true)) {
      state.status.registration = 1;
      return;
    }
  }
  state.status.registration = 2;
}

// The search: "+COPS: (2,"Nordnetz",,"26201"),(1,...),,(0-4),(0-2)" after searchSeconds.
Reply Search(const Operators& operators) {
  std::string line = "+COPS: ";
  for (const FoundOperator& f : operators.found) {
    line += "(" + std::to_string(f.state) + ",\"" + f.name + "\",,\"" + f.code + "\"),";
  }
  Reply reply = Reply::Ok({line + ",(0-4),(0-2)"});
  reply.delay = std::chrono::seconds(operators.searchSeconds);
  return reply;
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
    if (!Register(context.State(), wanted, *format == 2)) {
      return Reply::Cme(CmeError::kNoNetworkService);
    }
  }
  status.operatorMode = *mode;
  if (*mode == 0) {
    RegisterHome(context.State());
  } else {
    status.registration = *mode == 2 ? 0 : (status.registration == 0 ? 1 : status.registration);
  }
  context.MarkChanged();
  return Reply::Ok();
}

Reply Operator(CommandContext& context, const CommandRequest& request) {
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({OperatorLine(context)});
    case CommandForm::kSet: return SelectOperator(context, request);
    case CommandForm::kTest: return Search(context.State().operators);
    default: return Reply::Cme(CmeError::kOperationNotSupported);
  }
}

// AT^SPLM: every operator the phone knows by name.
Reply KnownOperators(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) return Reply::Ok();
  if (request.form != CommandForm::kAction) return Reply::Error();
  std::vector<std::string> lines;
  for (const KnownOperatorName& known : context.State().operators.Known()) {
    lines.push_back("^SPLM: \"" + known.code + "\",\"" + known.name + "\"");
  }
  return Reply::Ok(std::move(lines));
}

// AT^SPLR=? gives the index range, AT^SPLR=<i> the entry (no line when it is free).
Reply ReadPreferred(CommandContext& context, const CommandRequest& request) {
  const Operators& operators = context.State().operators;
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({"^SPLR: " + RangeText(1, operators.preferredSize)});
  }
  if (request.form != CommandForm::kSet) return Reply::Error();
  const auto index = ParseNumber(request.parameters);
  if (!index || *index < 1 || *index > operators.preferredSize) {
    return Reply::Cme(CmeError::kInvalidIndex);
  }
  const auto it = operators.preferred.find(*index);
  if (it == operators.preferred.end()) return Reply::Ok();
  return Reply::Ok({"^SPLR: " + std::to_string(*index) + ",\"" + it->second + "\""});
}

// AT^SPLW=<i>,<code> writes an entry, AT^SPLW=<i> empties it.
Reply WritePreferred(CommandContext& context, const CommandRequest& request) {
  Operators& operators = context.State().operators;
  if (request.form == CommandForm::kTest) {
    return Reply::Ok({"^SPLW: " + RangeText(1, operators.preferredSize)});
  }
  const auto parts = SplitParameters(request.parameters);
  if (request.form != CommandForm::kSet || !parts || parts->empty() || parts->size() > 2) {
    return Reply::Error();
  }
  const auto index = ParseNumber((*parts)[0]);
  if (!index || *index < 1 || *index > operators.preferredSize) {
    return Reply::Cme(CmeError::kInvalidIndex);
  }
  if (parts->size() == 1) {
    operators.preferred.erase(*index);
  } else {
    const auto quoted = ParseQuoted((*parts)[1]);
    const std::string code = quoted ? *quoted : std::string((*parts)[1]);
    if (!IsNetworkCode(code)) return Reply::BadParameters();
    operators.preferred[*index] = code;
  }
  context.MarkChanged();
  return Reply::Ok();
}

}  // namespace

void AddOperatorCommands(CommandTable& table) {
  table.Add("+COPS", Operator);
  table.Add("^SPLM", KnownOperators);
  table.Add("^SPLR", ReadPreferred);
  table.Add("^SPLW", WritePreferred);
}

}  // namespace telvane::sim
