// Shared by the dialog layer tests: a small resource set, a dialog handler built from
// lambdas, and a helper that plays a script against a program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/headless/headless_ui.h"
#include "ui/resources.h"

namespace telvane::ui::test {

// English (9) and German (7) resources: main window 101 with menu 102, child 200,
// pop-up menu 120, strings 16, 30, 31, 57.
const Resources& TestResources();

struct LambdaHandler : DialogHandler {
  std::function<void(Dialog&)> init;
  std::function<void(Dialog&, int)> command;
  std::function<void(Dialog&, const ControlEvent&)> event;
  std::function<void(Dialog&, int)> timer;
  std::function<void(Dialog&, const std::vector<std::string>&)> drop;
  std::function<void(Dialog&)> close;

  void OnInit(Dialog& d) override {
    if (init) init(d);
  }
  void OnCommand(Dialog& d, int id) override {
    if (command) command(d, id);
  }
  void OnEvent(Dialog& d, const ControlEvent& e) override {
    if (event) event(d, e);
  }
  void OnTimer(Dialog& d, int id) override {
    if (timer) timer(d, id);
  }
  void OnDropFiles(Dialog& d, const std::vector<std::string>& paths) override {
    if (drop) drop(d, paths);
  }
  void OnClose(Dialog& d) override {
    if (close) {
      close(d);
    } else {
      DialogHandler::OnClose(d);
    }
  }
};

struct ScriptResult {
  int status = 0;
  std::string out;
  std::string err;
};

ScriptResult Play(const std::string& script,
                  const std::function<void(headless::HeadlessUi&)>& program, int languageId = 9);

}  // namespace telvane::ui::test
