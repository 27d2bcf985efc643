#include "app/about_box.h"

#include "ui/window_kit.h"

namespace telvane::app {

void AboutBox::OnInit(ui::Dialog& dialog) {
  dialog.SetBitmap(ui::kIdOk, kAboutBitmap);
  ui::CenterWindow(dialog, ui_.WorkArea());
}

void AboutBox::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kWebAddress:
    case kSecondWebAddress: ui_.OpenWithShell(dialog.Text(commandId)); break;
    case kMailAddress: ui_.OpenWithShell("mailto:" + dialog.Text(commandId)); break;
    case ui::kIdOk:
    case ui::kIdCancel: dialog.End(commandId); break;
    default: break;
  }
}

}  // namespace telvane::app
