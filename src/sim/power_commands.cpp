// Switching the phone off, and its radio on and off.
#include "sim/at_params.h"
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// The phone confirms, then answers nothing more until it is switched on again.
Reply SwitchOff(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kAction) {
    return Reply::Error();
  }
  context.SessionSettings().poweredOff = true;
  return Reply::Ok({"^SMSO: MS OFF"});
}

// AT+CFUN=<fun>[,<rst>]: 1 full functionality, 0 the radio off (no network until 1 again).
Reply Functionality(CommandContext& context, const CommandRequest& request) {
  int& functionality = context.SessionSettings().functionality;
  switch (request.form) {
    case CommandForm::kQuery: return Reply::Ok({"+CFUN: " + std::to_string(functionality)});
    case CommandForm::kTest: return Reply::Ok({"+CFUN: (0,1),(0,1)"});
    case CommandForm::kSet: {
      const auto values = ParseNumbers(request.parameters, 1, 2);
      if (!values) {
        return Reply::Error();
      }
      if ((*values)[0] > 1 || (values->size() == 2 && (*values)[1] > 1)) {
        return Reply::BadParameters();
      }
      functionality = (*values)[0];
      return Reply::Ok();
    }
    case CommandForm::kAction: break;
  }
  return Reply::Error();
}

}  // namespace

void AddPowerCommands(CommandTable& table) {
  table.Add("^SMSO", SwitchOff);
  table.Add("+CFUN", Functionality);
}

}  // namespace telvane::sim
