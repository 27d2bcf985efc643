// What the send and reply dialogs share: the part length switched by the 8-bit box, the
// validity up-down, the counters kept in step with the text, the "#k#" shortcut, and the
// send request gathered from the controls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "sms/sms_sending.h"
#include "sms/windows/compose_ids.h"
#include "ui/dialog.h"

namespace telvane::sms {

class ComposeForm {
 public:
  ComposeForm(const compose_ids::ComposeControls& ids, const config::Settings& settings)
      : ids_(ids), settings_(settings) {}

  // Opening: 160 characters a part, validity 1..4 days at 4, counters for the text shown.
  void Init(ui::Dialog& dialog);
  // The message text was edited: the shortcut, then the counters.
  void TextChanged(ui::Dialog& dialog);
  // A command of the dialog; the 8-bit box switches the part length.
  void Command(ui::Dialog& dialog, int commandId);
  // Fills the message text as the program does it: no shortcut, counters updated.
  void SetMessage(ui::Dialog& dialog, std::string_view text);
  SendRequest Request(const ui::Dialog& dialog, std::string recipient) const;

 private:
  void ShowCounters(ui::Dialog& dialog);

  const compose_ids::ComposeControls& ids_;
  const config::Settings& settings_;
  std::size_t partLength_ = 0;
  // Set while the form changes the text itself: a backend that reports that change must
  // not apply the shortcut again (a predefined text may hold "#k#" of its own).
  bool changingText_ = false;
};

}  // namespace telvane::sms
