// Dialog templates built in code for the GUI tests, and the tests' handler.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/test_handler.h"
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

// Records only: the close box leaves the window open unless a test says otherwise.
struct Recorder : telvane::testing::TestHandler {
  Recorder() { keepOpenOnClose = true; }
};

}  // namespace telvane::qt::test
