// The phone's identity: maker, model, revision, serial number, SIM identity.
#include "sim/command_groups.h"

namespace telvane::sim {
namespace {

// An identity command answers its value in the action form and OK in the test form.
CommandHandler IdentityValue(std::string Identity::*field, std::string prefix = {}) {
  return
      [field, prefix = std::move(prefix)](CommandContext& context, const CommandRequest& request) {
        if (request.form == CommandForm::kTest) {
          return TestFormOk();
        }
        if (request.form != CommandForm::kAction) {
          return Reply::Error();
        }
        return Reply::Ok({prefix + context.State().identity.*field});
      };
}

// ATI: maker, model and revision, one a line.
Reply Information(CommandContext& context, const CommandRequest& request) {
  if (request.form != CommandForm::kAction && request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const Identity& identity = context.State().identity;
  return Reply::Ok({identity.manufacturer, identity.model, "REVISION " + identity.revision});
}

}  // namespace

void AddIdentityCommands(CommandTable& table) {
  table.Add("+CGMI", IdentityValue(&Identity::manufacturer));
  table.Add("+CGMM", IdentityValue(&Identity::model));
  table.Add("+CGMR", IdentityValue(&Identity::revision));
  table.Add("+CGSN", IdentityValue(&Identity::imei));
  table.Add("+CIMI", IdentityValue(&Identity::imsi));
  table.Add("^SCID", IdentityValue(&Identity::iccid, "^SCID: "));
  // The V.25ter names of the same values.
  table.Alias("+GMI", "+CGMI");
  table.Alias("+GMM", "+CGMM");
  table.Alias("+GMR", "+CGMR");
  table.Alias("+GSN", "+CGSN");
  table.Add("I", Information);
}

}  // namespace telvane::sim
