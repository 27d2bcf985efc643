// Dialog templates built in code for the GUI tests, and a handler that records what
// the dialog reports.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/dialog.h"
#include "ui/resources.h"

namespace telvane::qt::test {

inline ui::ControlTemplate Control(ui::ControlKind kind, int id, std::string text, int x, int y,
                                   int width, int height, std::vector<std::string> styles = {}) {
  ui::ControlTemplate control;
  control.kind = kind;
  control.id = id;
  control.text = std::move(text);
  control.x = x;
  control.y = y;
  control.width = width;
  control.height = height;
  control.styles = std::move(styles);
  return control;
}

inline ui::DialogTemplate Dialog(int id, std::string caption, int width, int height,
                                 std::vector<ui::ControlTemplate> controls) {
  ui::DialogTemplate dialog;
  dialog.id = id;
  dialog.caption = std::move(caption);
  dialog.width = width;
  dialog.height = height;
  dialog.controls = std::move(controls);
  return dialog;
}

struct Recorder : ui::DialogHandler {
  std::vector<int> commands;
  std::vector<ui::ControlEvent> events;
  std::vector<int> timers;
  std::vector<std::vector<std::string>> drops;
  int closes = 0;
  int helps = 0;
  std::function<void(ui::Dialog&)> init;
  std::function<void(ui::Dialog&, int)> command;
  std::function<void(ui::Dialog&)> close;

  void OnInit(ui::Dialog& dialog) override {
    if (init) init(dialog);
  }
  void OnCommand(ui::Dialog& dialog, int id) override {
    commands.push_back(id);
    if (command) command(dialog, id);
  }
  void OnEvent(ui::Dialog&, const ui::ControlEvent& event) override { events.push_back(event); }
  void OnTimer(ui::Dialog&, int id) override { timers.push_back(id); }
  void OnDropFiles(ui::Dialog&, const std::vector<std::string>& paths) override {
    drops.push_back(paths);
  }
  void OnHelp(ui::Dialog&) override { ++helps; }
  void OnClose(ui::Dialog& dialog) override {
    ++closes;
    if (close) close(dialog);
  }
};

}  // namespace telvane::qt::test
