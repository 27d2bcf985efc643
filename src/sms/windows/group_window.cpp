#include "sms/windows/group_window.h"

#include <algorithm>

#include "phonebook/external_book.h"
#include "sms/sms_centre.h"
#include "sms/windows/sms_tools_ids.h"
#include "sms/windows/sms_windows.h"
#include "sms/windows/tool_column_titles.h"
#include "ui/window_kit.h"

namespace telvane::sms {

using namespace tools_ids;

namespace {

constexpr int kNameWidth = 60;
constexpr int kNumberWidth = 70;

ui::FileRequest GroupFileRequest(bool save) {
  ui::FileRequest request;
  request.save = save;
  request.filters = {{"SRP file (*.srp)", "*.srp"}};
  request.defaultExtension = "srp";
  request.mustExist = !save;
  return request;
}

void SortByColumn(ui::Dialog& dialog, int listId, int column) {
  const auto cell = static_cast<std::size_t>(column);
  dialog.SortRows(listId, [cell](const ui::ListRow& a, const ui::ListRow& b) {
    const std::string none;
    const std::string& left = cell < a.cells.size() ? a.cells[cell] : none;
    const std::string& right = cell < b.cells.size() ? b.cells[cell] : none;
    return left < right;  // byte order: char_traits<char> compares as unsigned char
  });
}

void AddRow(ui::Dialog& dialog, int listId, const GroupMember& member) {
  const int row = dialog.InsertRow(listId, dialog.RowCount(listId), member.name);
  dialog.SetCell(listId, row, 1, member.number);
}

}  // namespace

void GroupWindow::OnInit(ui::Dialog& dialog) {
  ReadSmsCentre(context_.exchange, context_.run);
  const int language = ui_.LanguageId();
  const ui::ColumnSpec columns[] = {{GroupNameTitle(language), kNameWidth},
                                    {GroupNumberTitle(language), kNumberWidth}};
  for (const int list : {kBookList, kGroupList}) {
    ui::AddListViewStyle(dialog, list, ui::kListFullRowSelect);
    ui::InsertColumns(dialog, list, columns, context_.settings.gCol);
  }
  FillBookList(dialog);
}

void GroupWindow::FillBookList(ui::Dialog& dialog) {
  for (const phonebook::PhonebookEntry& entry : externalBook_) {
    if (entry.position == 0) break;
    AddRow(dialog, kBookList, GroupMember{entry.name, entry.number});
  }
  SortByColumn(dialog, kBookList, 0);
}

void GroupWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kAddToGroup: AddChosenEntries(dialog); break;
    case kSaveGroup: SaveGroup(); break;
    case kLoadGroup: LoadGroup(dialog); break;
    case kDeleteGroup: DeleteGroup(dialog); break;
    case kSendToGroup: SendToGroup(dialog); break;
    case ui::kIdCancel: OnClose(dialog); break;
    default: break;
  }
}

void GroupWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  const bool onList = event.controlId == kBookList || event.controlId == kGroupList;
  if (event.kind == ui::EventKind::HeaderClicked && event.controlId == kBookList) {
    SortByColumn(dialog, kBookList, event.column);
  } else if (event.kind == ui::EventKind::KeyPressed && event.controlId == kGroupList &&
             event.key == ui::Key::Delete) {
    RemoveChosenMember(dialog);
  } else if (event.kind == ui::EventKind::RightClicked && onList) {
    dialog.ShowPopupMenu(kGroupMenu);
  }
}

void GroupWindow::AddChosenEntries(ui::Dialog& dialog) {
  for (const int row : dialog.SelectedRows(kBookList)) {
    if (group_.size() >= kGroupCapacity) break;
    GroupMember member{dialog.Cell(kBookList, row, 0), dialog.Cell(kBookList, row, 1)};
    const bool present = std::any_of(group_.begin(), group_.end(),
                                     [&](const GroupMember& m) { return m.name == member.name; });
    if (present) continue;
    AddRow(dialog, kGroupList, member);
    group_.push_back(std::move(member));
  }
}

void GroupWindow::RemoveChosenMember(ui::Dialog& dialog) {
  const std::vector<int> rows = dialog.SelectedRows(kGroupList);
  if (rows.empty() || rows.front() >= static_cast<int>(group_.size())) return;
  const int row = rows.front();
  dialog.DeleteRow(kGroupList, row);
  group_.erase(group_.begin() + row);
}

void GroupWindow::ShowGroup(ui::Dialog& dialog) {
  dialog.DeleteAllRows(kGroupList);
  for (const GroupMember& member : group_) AddRow(dialog, kGroupList, member);
}

bool GroupWindow::MayOverwrite() {
  if (group_.empty() || saved_) return true;
  return ui::ShowStringMessage(ui_, kStrOverwrite, ui::Caption::Telvane, ui::Buttons::YesNo,
                               ui::Icon::Question) == ui::kIdYes;
}

void GroupWindow::SaveGroup() {
  if (group_.empty()) return;
  const auto choice = ui_.ChooseFile(GroupFileRequest(true));
  if (!choice) return;
  if (!WriteGroupFile(choice->path, group_)) {
    ui::ShowError(ui_, kStrCantOpenExport);
    return;
  }
  saved_ = true;
}

void GroupWindow::LoadGroup(ui::Dialog& dialog) {
  const auto choice = ui_.ChooseFile(GroupFileRequest(false));
  if (!choice || !MayOverwrite()) return;
  std::optional<std::vector<GroupMember>> members = ReadGroupFile(choice->path);
  if (!members) {
    ui::ShowError(ui_, kStrCantOpenFile);
    return;
  }
  group_ = std::move(*members);
  saved_ = false;
  ShowGroup(dialog);
}

void GroupWindow::DeleteGroup(ui::Dialog& dialog) {
  if (group_.empty() || !MayOverwrite()) return;
  group_.clear();
  saved_ = false;
  ShowGroup(dialog);
}

void GroupWindow::SendToGroup(ui::Dialog& dialog) {
  if (group_.empty()) return;
  std::vector<Recipient> recipients;
  for (const GroupMember& member : group_) recipients.push_back({member.name, member.number});
  // Messages stored unsent go to the SMS list that opened this window.
  RunSendDialog(context_, ui_, dialog, std::move(recipients), true, stored_);
}

void GroupWindow::OnClose(ui::Dialog& dialog) {
  ui::ReadColumnWidths(dialog, kGroupList, context_.settings.gCol);
  config::WriteKeyFamily(context_.profile, "GCol", context_.settings.gCol);
  dialog.End(ui::kIdCancel);
}

void RunGroupWindow(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                    const phonebook::ExternalBookTable& externalBook, const StoredRowSink& stored) {
  GroupWindow window(context, ui, externalBook, stored);
  ui.RunModal(kGroupTemplate, window, &opener);
}

}  // namespace telvane::sms
