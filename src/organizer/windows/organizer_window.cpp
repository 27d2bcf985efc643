#include "organizer/windows/organizer_window.h"

#include <algorithm>
#include <ctime>
#include <string>

#include "config/settings.h"
#include "organizer/organizer_deleting.h"
#include "organizer/organizer_reading.h"
#include "organizer/organizer_vocabulary.h"
#include "organizer/organizer_writing.h"
#include "organizer/windows/entry_form.h"
#include "organizer/windows/modify_dialog.h"
#include "organizer/windows/organizer_window_ids.h"
#include "ui/window_kit.h"

namespace telvane::organizer {

using namespace window_ids;

namespace {

constexpr EntryForm kForm{kCalendar, kTimePicker, kCategory, kRepeat, kAlarm, kDescription};
constexpr int kDefaultWidths[kColumnCount] = {30, 50, 30, 80, 50, 120, 160};
constexpr ui::Tooltip kTooltips[] = {{kList, 12}};  // "Functions with right mouse button click"

// Between the blocks of a write the windows stay painted; no progress is shown.
class PumpingFeedback : public objects::TransferFeedback {
 public:
  explicit PumpingFeedback(ui::Ui& ui) : ui_(ui) {}
  void ShowProgress(unsigned) override {}
  void Pump() override { ui_.PumpMessages(); }

 private:
  ui::Ui& ui_;
};

std::pair<ui::Date, ui::Time> Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
          {local.tm_hour, local.tm_min, 0}};
}

// Texts compared byte by byte as unsigned values.
bool LessBytes(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  });
}

}  // namespace

void OrganizerWindow::OnInit(ui::Dialog& dialog) {
  dialog_ = &dialog;
  ui::AddListViewStyle(dialog, kList, ui::kListFullRowSelect);
  InsertColumns();
  dialog.AcceptFiles(true);
  const auto [date, time] = Now();
  SetFormDate(dialog, kForm, date, time);
  ReadOrganizerSlots();
  // Filled whatever the reading found, so that every write has an index in the tables.
  FillEntryBoxes(dialog, kForm, ui_.LanguageId());
  dialog.EnableMenuItem(kSendSms, static_cast<bool>(sendSms_));
  ui::AddTooltips(dialog, kTooltips);
  dialog.SetFocus(kDescription);
}

void OrganizerWindow::InsertColumns() {
  std::array<ui::ColumnSpec, kColumnCount> columns{};
  for (int i = 0; i < kColumnCount; ++i) {
    columns[static_cast<std::size_t>(i)] = {ColumnTitle(ui_.LanguageId(), i), kDefaultWidths[i]};
  }
  columns[0].align = ui::ColumnAlign::kRight;  // the slot number
  ui::InsertColumns(*dialog_, kList, columns, context_.settings.oCol);
}

void OrganizerWindow::ReadOrganizerSlots() {
  ui::WaitBox waitHandler;
  std::unique_ptr<ui::Dialog> wait = ui_.OpenModeless(ui::WaitBox::kTemplate, waitHandler);
  if (wait) {
    wait->SetRange(ui::WaitBox::kBar, 0, 100);
    wait->SetPos(ui::WaitBox::kBar, 1);
  }
  int shown = 0;
  const auto slotDone = [&](int slot) {
    const int percent = 100 * slot / kSlotCount;
    if (wait && percent != shown) {
      wait->SetPos(ui::WaitBox::kBar, percent);
      wait->SetText(ui::WaitBox::kText, std::to_string(percent) + " %");
      shown = percent;
    }
    ui_.PumpMessages();
  };
  const OrganizerReading reading = ReadOrganizer(context_.exchange, ui_.LanguageId(), slotDone);
  dialog_->DeleteAllRows(kList);
  states_.fill(SlotState::kUnread);
  for (const OrganizerEntry& entry : reading.rows) {
    const int row = dialog_->RowCount(kList);
    dialog_->InsertRow(kList, row, std::to_string(entry.slot), entry.slot);
    ShowRow(row, entry);
  }
}

void OrganizerWindow::ShowRow(int row, const OrganizerEntry& entry) {
  const std::string* cells[] = {&entry.repeat, &entry.alarm,    &entry.date,
                                &entry.time,   &entry.category, &entry.description};
  for (int column = 1; column < kColumnCount; ++column) {
    dialog_->SetCell(kList, row, column, *cells[column - 1]);
  }
  if (entry.slot >= 1 && entry.slot <= kSlotCount) {
    states_[static_cast<std::size_t>(entry.slot)] = entry.state;
  }
}

OrganizerEntry OrganizerWindow::RowAt(int row) const {
  OrganizerEntry entry;
  entry.slot = static_cast<int>(dialog_->RowData(kList, row));
  if (entry.slot >= 1 && entry.slot <= kSlotCount) {
    entry.state = states_[static_cast<std::size_t>(entry.slot)];
  }
  std::string* cells[] = {&entry.repeat, &entry.alarm,    &entry.date,
                          &entry.time,   &entry.category, &entry.description};
  for (int column = 1; column < kColumnCount; ++column) {
    *cells[column - 1] = dialog_->Cell(kList, row, column);
  }
  return entry;
}

int OrganizerWindow::RowOfSlot(int slot) const {
  for (int row = 0; row < dialog_->RowCount(kList); ++row) {
    if (dialog_->RowData(kList, row) == slot) return row;
  }
  return -1;
}

std::vector<OrganizerEntry> OrganizerWindow::RowsInListOrder() const {
  std::vector<OrganizerEntry> rows;
  for (int row = 0; row < dialog_->RowCount(kList); ++row) rows.push_back(RowAt(row));
  return rows;
}

std::optional<OrganizerEntry> OrganizerWindow::FocusedRow() const {
  const int row = dialog_->FocusedRow(kList);
  if (row < 0 || row >= dialog_->RowCount(kList)) return std::nullopt;
  return RowAt(row);
}

bool OrganizerWindow::WriteIntoSlot(const EntryValues& values, int slot) {
  PumpingFeedback feedback(ui_);
  const EntryWrite write = ui::WithWindowDisabled(
      *dialog_, [&] { return WriteOrganizerEntry(context_.exchange, feedback, values, slot); });
  // One message per refused block, or the one of a failed check.
  const int messages =
      write.refusedBlocks > 0 ? write.refusedBlocks : (write.messageId != 0 ? 1 : 0);
  for (int i = 0; i < messages; ++i) ui::ShowError(ui_, write.messageId);
  if (!write.written) return false;
  if (const int row = RowOfSlot(slot); row >= 0) {
    ShowRow(row, EntryRow(values, slot, ui_.LanguageId()));
    dialog_->SetFocusedRow(kList, row);
  }
  return true;
}

bool OrganizerWindow::WriteIntoFreeSlot(const EntryValues& values) {
  if (const int message = CheckEntry(values); message != 0) {
    ui::ShowError(ui_, message);
    return false;
  }
  const auto slot = FindFreeSlot(RowsInListOrder());
  if (!slot) {
    ui::ShowError(ui_, kStrNoFreeEntry);
    return false;
  }
  return WriteIntoSlot(values, *slot);
}

bool OrganizerWindow::AddEntry(const EntryValues& values) { return WriteIntoFreeSlot(values); }

bool OrganizerWindow::ImportEntry(const EntryValues& values) {
  EntryValues imported = values;
  imported.category = kCategoryMiscellaneous;
  imported.repeat = 0;
  imported.alarm = false;
  return WriteIntoFreeSlot(imported);
}

void OrganizerWindow::EmptySlot(int slot) {
  if (const int row = RowOfSlot(slot); row >= 0) {
    ShowRow(row, OrganizerEntry{slot, SlotState::kEmpty});
  }
}

void OrganizerWindow::DeleteFirstSelected() {
  const std::vector<int> selected = dialog_->SelectedRows(kList);
  if (selected.empty()) return;
  const int slot = RowAt(*std::min_element(selected.begin(), selected.end())).slot;
  const bool deleted =
      ui::WithWindowDisabled(*dialog_, [&] { return DeleteEntry(context_.exchange, slot); });
  if (deleted) {
    EmptySlot(slot);
  } else {
    ui::ShowError(ui_, kStrCantDelete);
  }
}

void OrganizerWindow::DeleteAll() {
  const std::vector<int> deleted =
      ui::WithWindowDisabled(*dialog_, [&] { return DeleteAllEntries(context_.exchange); });
  for (const int slot : deleted) EmptySlot(slot);
  if (deleted.size() != static_cast<std::size_t>(kSlotCount)) ui::ShowError(ui_, kStrCantDelete);
}

void OrganizerWindow::Modify(int row) {
  if (row < 0 || row >= dialog_->RowCount(kList)) return;
  const OrganizerEntry entry = RowAt(row);
  ModifyDialog modify(ui_, entry, dialog_->GetDate(kCalendar), dialog_->GetTime(kTimePicker),
                      [&](const EntryValues& values) { return WriteIntoSlot(values, entry.slot); });
  ui_.RunModal(kModifyTemplate, modify, dialog_);
}

void OrganizerWindow::ModifySelected() {
  std::vector<int> selected = dialog_->SelectedRows(kList);
  std::sort(selected.begin(), selected.end());
  for (const int row : selected) Modify(row);
}

void OrganizerWindow::SendSms() {
  if (!sendSms_) return;
  std::vector<int> selected = dialog_->SelectedRows(kList);
  std::sort(selected.begin(), selected.end());
  for (const int row : selected) {
    const OrganizerEntry entry = RowAt(row);
    sendSms_(*dialog_,
             entry.date + " " + entry.time + " " + entry.category + " " + entry.description);
  }
}

void OrganizerWindow::Sort(int column) {
  // Back to slot order first, so that rows with equal cells keep it.
  dialog_->SortRows(kList,
                    [](const ui::ListRow& a, const ui::ListRow& b) { return a.data < b.data; });
  if (column <= 0) return;
  const auto cell = [column](const ui::ListRow& row) {
    return static_cast<std::size_t>(column) < row.cells.size()
               ? row.cells[static_cast<std::size_t>(column)]
               : std::string();
  };
  dialog_->SortRows(kList, [&cell](const ui::ListRow& a, const ui::ListRow& b) {
    return LessBytes(cell(a), cell(b));
  });
}

void OrganizerWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.kind == ui::EventKind::Changed) {
    if (event.controlId == kDescription) WarnLongDescription(ui_, dialog, kForm);
    if (event.controlId == kCalendar) dialog.SetBoldDay(kCalendar, dialog.GetDate(kCalendar));
    return;
  }
  if (event.controlId != kList) return;
  switch (event.kind) {
    case ui::EventKind::DoubleClicked: Modify(event.row); break;
    case ui::EventKind::RightClicked: dialog.ShowPopupMenu(kMenu); break;
    case ui::EventKind::HeaderClicked: Sort(event.column); break;
    case ui::EventKind::KeyPressed:
      if (event.key == ui::Key::Delete &&
          ui::ShowStringMessage(ui_, kStrAskDelete, ui::Caption::Telvane, ui::Buttons::YesNo,
                                ui::Icon::Question) == ui::kIdYes) {
        DeleteFirstSelected();
      }
      break;
    default: break;
  }
}

void OrganizerWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kAdd: AddEntry(ReadEntryForm(dialog, kForm)); break;
    case kDelete: DeleteFirstSelected(); break;
    case kModify: ModifySelected(); break;
    case kDeleteAll:
      if (ui::ShowStringMessage(ui_, kStrAskDeleteAll, ui::Caption::Telvane, ui::Buttons::YesNo,
                                ui::Icon::Question) == ui::kIdYes) {
        DeleteAll();
      }
      break;
    case kSendSms: SendSms(); break;
    case kExportCsv:
    case kExportXml:
    case kExportVcs:
    case kImportCsv: RunFileCommand(context_, ui_, dialog, *this, commandId); break;
    case ui::kIdCancel: OnClose(dialog); return;  // Escape closes as the close box does
    default: return;
  }
}

void OrganizerWindow::OnDropFiles(ui::Dialog& dialog, const std::vector<std::string>& paths) {
  ImportDroppedFiles(context_, ui_, dialog, *this, paths);
}

void OrganizerWindow::OnClose(ui::Dialog& dialog) {
  ui::ReadColumnWidths(dialog, kList, context_.settings.oCol);
  config::WriteKeyFamily(context_.profile, "OCol", context_.settings.oCol);
  dialog.End(ui::kIdCancel);
}

void RunOrganizer(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                  const SendSmsHook& sendSms) {
  OrganizerWindow window(context, ui, sendSms);
  ui.RunModal(kTemplate, window, &opener);
}

}  // namespace telvane::organizer
