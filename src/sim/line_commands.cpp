// Commands that set up the serial session: echo, result code format, error reports,
// character set, and the reset to the stored profile.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// ATE0, ATE1, ATE (= ATE0) and the like.
Reply SwitchFlag(const CommandRequest& request, bool& flag) {
  if (request.form == CommandForm::kAction) {
    flag = false;
    return Reply::Ok();
  }
  if (request.form != CommandForm::kSet || request.parameters.size() != 1 ||
      (request.parameters[0] != '0' && request.parameters[0] != '1')) {
    return Reply::Error();
  }
  flag = request.parameters[0] == '1';
  return Reply::Ok();
}

Reply Echo(CommandContext& context, const CommandRequest& request) {
  return SwitchFlag(request, context.SessionSettings().echo);
}

Reply Verbose(CommandContext& context, const CommandRequest& request) {
  return SwitchFlag(request, context.SessionSettings().verbose);
}

Reply Quiet(CommandContext& context, const CommandRequest& request) {
  return SwitchFlag(request, context.SessionSettings().quiet);
}

// ATZ and AT&F: back to the profile: echo on, verbose codes, error reports off, no new
// message indications.
Reply ResetProfile(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kSet && request.parameters != "0") {
    return Reply::Error();
  }
  if (request.form != CommandForm::kAction && request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  context.SessionSettings().ResetProfile();
  auto& indications = context.State().messageIndications;
  if (indications != decltype(PhoneState::messageIndications){}) {
    indications = {};
    context.MarkChanged();
  }
  return Reply::Ok();
}

Reply ErrorReports(CommandContext& context, const CommandRequest& request) {
  int& cmee = context.SessionSettings().cmee;
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CMEE: " + std::to_string(cmee)});
    case CommandForm::kTest: return Reply::Ok({"+CMEE: (0-2)"});
    case CommandForm::kSet: {
      if (request.parameters.empty()) {
        cmee = 0;
        return Reply::Ok();
      }
      const auto value = ParseNumber(request.parameters);
      if (!value || *value > 2) {
        return Reply::BadParameters();
      }
      cmee = *value;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

Reply CharacterSet(CommandContext& context, const CommandRequest& request) {
  std::string& charset = context.SessionSettings().charset;
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CSCS: \"" + charset + "\""});
    case CommandForm::kTest: return Reply::Ok({"+CSCS: (\"GSM\",\"UCS2\")"});
    case CommandForm::kSet: {
      const auto name = ParseQuoted(request.parameters);
      if (!name || (*name != "GSM" && *name != "UCS2")) {
        return Reply::BadParameters();
      }
      charset = *name;
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddLineCommands(CommandTable& table) {
  table.Add("E", Echo);
  table.Add("V", Verbose);
  table.Add("Q", Quiet);
  table.Add("Z", ResetProfile);
  table.Add("&F", ResetProfile);
  table.Add("+CMEE", ErrorReports);
  table.Add("+CSCS", CharacterSet);
}

}  // namespace telvane::sim
