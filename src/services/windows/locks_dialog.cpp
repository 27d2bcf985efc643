#include "services/windows/locks_dialog.h"

#include <string>
#include <vector>

#include "services/facility_locks.h"
#include "services/service_labels.h"
#include "services/windows/services_window_ids.h"

namespace telvane::services {

using namespace window_ids;

namespace {

struct ClassBox {
  int box;
  int classCode;
};
constexpr ClassBox kSingleClasses[] = {{kLockVoice, 1}, {kLockData, 2}, {kLockFax, 4}};
constexpr int kClassBoxes[] = {kLockVoice, kLockData, kLockFax, kLockAll};

// Overwrites a string's bytes before it goes, so a password does not linger in memory.
void Wipe(std::string& text) {
  for (char& c : text) c = '\0';
  text.clear();
}

}  // namespace

void LocksDialog::OnInit(ui::Dialog& dialog) {
  for (int index = 0; index < kFacilityCount; ++index) {
    dialog.AddItem(kFacility, FacilityLabel(context_.languageId, index));
  }
  dialog.SetCurrentItem(kFacility, 0);
  dialog.SetTextLimit(kPassword, static_cast<int>(kLockPasswordLimit));
  Query(dialog);
}

void LocksDialog::Query(ui::Dialog& dialog) {
  for (int box : kClassBoxes) {
    dialog.SetChecked(box, false);
    dialog.Enable(box, IsBarring(index_));
  }
  dialog.SetChecked(kLocked, false);
  const auto state = QueryLock(context_.exchange, index_);
  if (!state) return;
  if (IsBarring(index_)) {
    dialog.SetChecked(kLockVoice, state->voiceBarred);
  } else {
    dialog.SetChecked(kLocked, state->locked);
  }
}

void LocksDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind != ui::EventKind::SelectionChanged || event.controlId != kFacility) return;
  const int index = dialog.CurrentItem(kFacility);
  if (index < 0 || index >= kFacilityCount || index == index_) return;
  index_ = index;
  Query(dialog);
}

void LocksDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kLockActivate: Apply(dialog, 1); break;
    case kLockDeactivate: Apply(dialog, 0); break;
    case kLockAll:
      if (dialog.IsChecked(kLockAll)) {
        for (const ClassBox& single : kSingleClasses) dialog.SetChecked(single.box, false);
      }
      break;
    case kLockVoice:
    case kLockData:
    case kLockFax:
      if (dialog.IsChecked(commandId)) dialog.SetChecked(kLockAll, false);
      break;
    case ui::kIdOk:
    case ui::kIdCancel: OnClose(dialog); break;
    default: break;
  }
}

void LocksDialog::Apply(ui::Dialog& dialog, int mode) {
  const int failure = mode == 1 ? kStrCantActivateLock : kStrCantDeactivateLock;
  std::string password = dialog.Text(kPassword);
  // The password stands unquoted in the command: only plain digits are ever sent.
  if (!IsLockPassword(password)) {
    Wipe(password);
    ui::ShowError(ui_, failure);
    return;
  }
  std::vector<int> classes;
  if (!IsBarring(index_)) {
    classes.push_back(0);
  } else if (dialog.IsChecked(kLockAll)) {
    classes.push_back(7);
  } else {
    for (const ClassBox& single : kSingleClasses) {
      if (dialog.IsChecked(single.box)) classes.push_back(single.classCode);
    }
  }
  for (int classCode : classes) {
    std::string command = LockCommand(index_, mode, password, classCode);
    const bool done = context_.exchange.SendCommand(command);
    Wipe(command);
    if (!done) {
      ui::ShowError(ui_, failure);
    } else if (!IsBarring(index_)) {
      dialog.SetChecked(kLocked, mode == 1);
    }
  }
  Wipe(password);
}

void LocksDialog::OnClose(ui::Dialog& dialog) {
  // The password goes with the window.
  dialog.SetText(kPassword, "");
  dialog.End(ui::kIdCancel);
}

}  // namespace telvane::services
