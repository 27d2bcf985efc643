// What a logo or ring tone command of the main window works with; a transfer keeps the
// main window disabled with ui::WindowDisabled while it runs.
#pragma once

#include <string>

#include "link/exchange.h"
#include "ui/dialog.h"
#include "ui/ui.h"
#include "ui/window_kit.h"

namespace telvane::objects {

struct TransferSession {
  link::Exchange& exchange;
  ui::Ui& ui;
  ui::Dialog& mainWindow;
  std::string tempFolder;  // where a GIF logo's intermediate BMP is written
};

// The object index for a number chosen beside a preview (1..count): number - 1. A number
// outside that range keeps `previous`.
inline int IndexFromPreviewNumber(int number, int count, int previous) {
  return number >= 1 && number <= count ? number - 1 : previous;
}

}  // namespace telvane::objects
