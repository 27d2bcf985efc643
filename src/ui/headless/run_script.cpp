#include "ui/headless/run_script.h"

#include <string>

#include "ui/headless/script.h"
#include "ui/headless/script_session.h"
#include "ui/headless/script_stop.h"

namespace telvane::ui::headless {

int RunScript(std::istream& script, std::string_view scriptName, std::ostream& out,
              std::ostream& err, const Resources& resources, int languageId,
              const std::function<void(HeadlessUi&)>& program) {
  std::vector<ScriptLine> lines;
  try {
    lines = ParseScript(script, scriptName);
  } catch (const ScriptError& error) {
    err << "script error: " << error.what() << '\n';
    return 2;
  }
  ScriptSession session(std::move(lines), std::string(scriptName), out, err);
  HeadlessUi ui(resources, languageId, session);
  try {
    program(ui);
  } catch (const ScriptStop& stop) {
    out.flush();
    if (stop.status == 2) {
      err << "script error: " << stop.reason << '\n';
      return 2;
    }
    // The script ran out while windows were open: the run ends here.
    return std::max(stop.status, session.Status());
  }
  out.flush();
  if (const int next = session.NextLineNumber(); next != 0) {
    err << "script error: " << scriptName << ":" << next << ": the program ended before line "
        << next << '\n';
    return 2;
  }
  return session.Status();
}

}  // namespace telvane::ui::headless
