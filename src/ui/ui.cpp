#include "ui/ui.h"

#include "ui/resources.h"

namespace telvane::ui {

void DialogHandler::OnClose(Dialog& dialog) { dialog.End(kIdCancel); }

std::string CaptionText(Caption caption) {
  return caption == Caption::TelvaneError ? "Telvane Error" : "Telvane";
}

int ShowStringMessage(Ui& ui, int stringId, Caption caption, Buttons buttons, Icon icon) {
  MessageRequest message;
  message.stringId = stringId;
  message.text = ui.Res().String(stringId, ui.LanguageId());
  message.caption = caption;
  message.buttons = buttons;
  message.icon = icon;
  return ui.ShowMessage(message);
}

}  // namespace telvane::ui
