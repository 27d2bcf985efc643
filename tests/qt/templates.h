// The tests' dialog handler for the GUI tests; templates are written as aggregates.
#pragma once

#include <string>
#include <vector>

#include "support/test_handler.h"
#include "ui/dialog.h"
#include "ui/resources.h"

namespace telvane::qt::test {

using K = ui::ControlKind;

inline ui::DialogTemplate Dialog(int id, std::string caption, int width, int height,
                                 std::vector<ui::ControlTemplate> controls) {
  return {.id = id,
          .caption = std::move(caption),
          .width = width,
          .height = height,
          .controls = std::move(controls)};
}

// Records only: the close box leaves the window open unless a test says otherwise.
struct Recorder : telvane::testing::TestHandler {
  Recorder() {
    close = [](ui::Dialog&) {};
  }
};

}  // namespace telvane::qt::test
