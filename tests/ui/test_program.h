// Shared by the dialog layer tests: a small resource set, the tests' dialog handler, and a
// helper that plays a script against a program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/test_handler.h"
#include "ui/dialog.h"
#include "ui/headless/headless_ui.h"
#include "ui/resources.h"

namespace telvane::ui::test {

// English (9) and German (7) resources: main window 101 with menu 102, child 200,
// pop-up menu 120, strings 16, 30, 31, 57.
const Resources& TestResources();

using LambdaHandler = telvane::testing::TestHandler;

using ScriptResult = telvane::testing::ProgramRun;  // the script's exit status and output

ScriptResult Play(const std::string& script,
                  const std::function<void(headless::HeadlessUi&)>& program, int languageId = 9);

// Plays `script` against main window 101 run modally with the handler `setUp` fills in.
ScriptResult PlayMain(const std::string& script,
                      const std::function<void(LambdaHandler&, headless::HeadlessUi&)>& setUp);

}  // namespace telvane::ui::test
