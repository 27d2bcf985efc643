#include "services/windows/forwarding_dialog.h"

#include <string>

#include "services/service_labels.h"

namespace telvane::services {

using namespace window_ids;

namespace {

constexpr window_ids::ForwardRow kRows[] = {kVoiceRow, kDataRow, kFaxRow, kAllRow};
constexpr int kMaxDelay = 30;

const window_ids::ForwardRow* RowOfClass(int classCode) {
  for (const auto& row : kRows) {
    if (row.classCode == classCode) return &row;
  }
  return nullptr;
}

void EnableDelays(ui::Dialog& dialog, bool enabled) {
  for (const auto& row : kRows) {
    dialog.Enable(row.delayField, enabled);
    dialog.Enable(row.delayUpDown, enabled);
  }
}

void ClearRow(ui::Dialog& dialog, const window_ids::ForwardRow& row) {
  dialog.SetPos(row.delayUpDown, 0);
  dialog.SetText(row.number, "");
  dialog.SetChecked(row.box, false);
}

}  // namespace

void ForwardingDialog::OnInit(ui::Dialog& dialog) {
  for (int reason = 0; reason < kReasonCount; ++reason) {
    dialog.AddItem(kReason, ReasonLabel(context_.languageId, reason));
  }
  dialog.SetCurrentItem(kReason, 0);
  for (const auto& row : kRows) {
    dialog.SetRange(row.delayUpDown, 0, kMaxDelay);
    dialog.SetPos(row.delayUpDown, 0);
    dialog.SetTextLimit(row.number, static_cast<int>(kForwardNumberLimit));
  }
  EnableDelays(dialog, false);
  Query(dialog);
}

void ForwardingDialog::ClearRows(ui::Dialog& dialog) {
  for (const auto& row : kRows) ClearRow(dialog, row);
}

void ForwardingDialog::Query(ui::Dialog& dialog) {
  const auto records = QueryForwarding(context_.exchange, reason_);
  if (!records) return;
  for (const ForwardingRecord& record : *records) ShowRecord(dialog, record);
}

void ForwardingDialog::ShowRecord(ui::Dialog& dialog, const ForwardingRecord& record) {
  const window_ids::ForwardRow* row = RowOfClass(record.classCode);
  if (record.status == 0 || row == nullptr) return;
  dialog.SetChecked(row->box, true);
  dialog.SetText(row->number, record.number);
  if (record.delay) dialog.SetPos(row->delayUpDown, *record.delay);
}

void ForwardingDialog::ChangeReason(ui::Dialog& dialog, int reason) {
  if (reason < 0 || reason >= kReasonCount || reason == reason_) return;
  reason_ = reason;
  ClearRows(dialog);
  EnableDelays(dialog, reason == kReasonNoReply);
  Query(dialog);
}

void ForwardingDialog::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::SelectionChanged && event.controlId == kReason) {
    ChangeReason(dialog, dialog.CurrentItem(kReason));
  }
}

void ForwardingDialog::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kActivate: Apply(dialog, kForwardEnable); break;
    case kDeactivate: Apply(dialog, kForwardDisable); break;
    case kInstall: Apply(dialog, kForwardRegister); break;
    case kDelete: Apply(dialog, kForwardErase); break;
    default: break;
  }
  if (commandId == kAllRow.box && dialog.IsChecked(kAllRow.box)) {
    for (const auto& row : {kVoiceRow, kDataRow, kFaxRow}) ClearRow(dialog, row);
  } else if ((commandId == kVoiceRow.box || commandId == kDataRow.box ||
              commandId == kFaxRow.box) &&
             dialog.IsChecked(commandId)) {
    dialog.SetChecked(kAllRow.box, false);
  }
}

void ForwardingDialog::Apply(ui::Dialog& dialog, int mode) {
  if (dialog.IsChecked(kAllRow.box)) {
    ApplyRow(dialog, kAllRow, mode);
    return;
  }
  for (const auto& row : {kVoiceRow, kDataRow, kFaxRow}) {
    if (dialog.IsChecked(row.box)) ApplyRow(dialog, row, mode);
  }
}

void ForwardingDialog::ApplyRow(ui::Dialog& dialog, const window_ids::ForwardRow& row, int mode) {
  const std::string number = dialog.Text(row.number);
  // The number stands unquoted in the command: anything but a dialling string is refused.
  if (!IsForwardingNumber(number)) {
    ui::ShowError(ui_, kStrEnterNumber);
    return;
  }
  const std::string command =
      ForwardingCommand(reason_, mode, number, row.classCode, dialog.Pos(row.delayUpDown));
  if (!context_.exchange.SendCommand(command)) {
    ui::ShowError(ui_,
                  mode == kForwardDisable ? kStrCantDeactivateForward : kStrCantActivateForward);
  }
}

}  // namespace telvane::services
