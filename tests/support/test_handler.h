// A dialog handler for tests: it records what the dialog reports and calls the
// behaviour a test gives it. Without a close behaviour the close box ends with Cancel,
// as for any handler.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/dialog.h"

namespace telvane::testing {

struct TestHandler : ui::DialogHandler {
  std::vector<int> commands;
  std::vector<ui::ControlEvent> events;
  std::vector<int> timers;
  std::vector<std::vector<std::string>> drops;
  int closes = 0;
  int helps = 0;
  std::function<void(ui::Dialog&)> init;
  std::function<void(ui::Dialog&, int)> command;
  std::function<void(ui::Dialog&, const ui::ControlEvent&)> event;
  std::function<void(ui::Dialog&, int)> timer;
  std::function<void(ui::Dialog&, const std::vector<std::string>&)> drop;
  std::function<void(ui::Dialog&)> close;

  void OnInit(ui::Dialog& d) override {
    if (init) init(d);
  }
  void OnCommand(ui::Dialog& d, int id) override {
    commands.push_back(id);
    if (command) command(d, id);
  }
  void OnEvent(ui::Dialog& d, const ui::ControlEvent& e) override {
    events.push_back(e);
    if (event) event(d, e);
  }
  void OnTimer(ui::Dialog& d, int id) override {
    timers.push_back(id);
    if (timer) timer(d, id);
  }
  void OnDropFiles(ui::Dialog& d, const std::vector<std::string>& paths) override {
    drops.push_back(paths);
    if (drop) drop(d, paths);
  }
  void OnHelp(ui::Dialog&) override { ++helps; }
  void OnClose(ui::Dialog& d) override {
    ++closes;
    close ? close(d) : DialogHandler::OnClose(d);
  }
};

}  // namespace telvane::testing
