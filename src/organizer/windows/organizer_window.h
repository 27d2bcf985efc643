// The organizer window (template 108): the 50 slots of the phone's organizer in list 1047,
// the controls of a new entry, and the functions of menu 140 (also the list's pop-up).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "config/app_context.h"
#include "organizer/organizer_entry.h"
#include "organizer/windows/organizer_file_commands.h"
#include "organizer/windows/organizer_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::organizer {

class OrganizerWindow : public ui::DialogHandler, public OrganizerRows {
 public:
  OrganizerWindow(config::AppContext& context, ui::Ui& ui, SendSmsHook sendSms)
      : context_(context), ui_(ui), sendSms_(std::move(sendSms)) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnDropFiles(ui::Dialog& dialog, const std::vector<std::string>& paths) override;
  void OnClose(ui::Dialog& dialog) override;

  std::vector<OrganizerEntry> RowsInListOrder() const override;
  std::optional<OrganizerEntry> FocusedRow() const override;
  bool AddEntry(const EntryValues& values) override;
  bool ImportEntry(const EntryValues& values) override;

 private:
  void InsertColumns();
  void ReadOrganizerSlots();
  void ShowRow(int row, const OrganizerEntry& entry);
  OrganizerEntry RowAt(int row) const;
  int RowOfSlot(int slot) const;
  // Writes into `slot` and shows the entry in its row when every block was accepted.
  bool WriteIntoSlot(const EntryValues& values, int slot);
  bool WriteIntoFreeSlot(const EntryValues& values);
  void EmptySlot(int slot);
  void DeleteFirstSelected();
  void DeleteAll();
  void Modify(int row);
  void ModifySelected();
  void SendSms();
  void Sort(int column);

  config::AppContext& context_;
  ui::Ui& ui_;
  SendSmsHook sendSms_;
  ui::Dialog* dialog_ = nullptr;
  // What the phone reported for each slot, by slot number (index 0 unused).
  std::array<SlotState, kSlotCount + 1> states_{};
};

}  // namespace telvane::organizer
