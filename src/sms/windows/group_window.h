// The SMS group window (template 148, menu 149): the external book on the left, the group
// on the right, group files, and sending one message to every member.
#pragma once

#include <vector>

#include "config/app_context.h"
#include "sms/group_file.h"
#include "sms/windows/sms_windows.h"
#include "ui/dialog.h"
#include "ui/ui.h"

namespace telvane::sms {

class GroupWindow : public ui::DialogHandler {
 public:
  GroupWindow(config::AppContext& context, ui::Ui& ui,
              const phonebook::ExternalBookTable& externalBook, const StoredRowSink& stored)
      : context_(context), ui_(ui), externalBook_(externalBook), stored_(stored) {}

  void OnInit(ui::Dialog& dialog) override;
  void OnCommand(ui::Dialog& dialog, int commandId) override;
  void OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) override;
  void OnClose(ui::Dialog& dialog) override;

 private:
  void FillBookList(ui::Dialog& dialog);
  void AddChosenEntries(ui::Dialog& dialog);
  void RemoveChosenMember(ui::Dialog& dialog);
  void ShowGroup(ui::Dialog& dialog);
  // True when the group may be replaced: it is empty or saved, or the user says Yes.
  bool MayOverwrite();
  void SaveGroup();
  void LoadGroup(ui::Dialog& dialog);
  void DeleteGroup(ui::Dialog& dialog);
  void SendToGroup(ui::Dialog& dialog);

  config::AppContext& context_;
  ui::Ui& ui_;
  const phonebook::ExternalBookTable& externalBook_;
  const StoredRowSink& stored_;
  std::vector<GroupMember> group_;  // in list order
  bool saved_ = false;
};

}  // namespace telvane::sms
