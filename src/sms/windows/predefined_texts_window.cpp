#include "sms/windows/predefined_texts_window.h"

#include <cstdint>
#include <string>
#include <vector>

#include "sms/predefined_texts.h"
#include "sms/sms_sending.h"
#include "sms/windows/sms_tools_ids.h"
#include "sms/windows/tool_column_titles.h"
#include "sms/windows/window_send_feedback.h"
#include "ui/window_kit.h"

namespace telvane::sms {

using namespace tools_ids;

namespace {

constexpr int kTextWidth = 250;
constexpr int kNumberWidth = 30;

}  // namespace

void PredefinedTextsWindow::OnInit(ui::Dialog& dialog) {
  ui::AddListViewStyle(dialog, kPredefinedList, ui::kListFullRowSelect);
  const int language = ui_.LanguageId();
  const ui::ColumnSpec columns[] = {{PredefinedTextTitle(language), kTextWidth},
                                    {PredefinedNumberTitle(language), kNumberWidth}};
  ui::InsertColumns(dialog, kPredefinedList, columns, context_.settings.pCol);
  for (std::size_t i = 0; i < kPredefinedTextCount; ++i) {
    const int row = dialog.InsertRow(kPredefinedList, static_cast<int>(i),
                                     context_.settings.ptxt[i], static_cast<std::int64_t>(i));
    dialog.SetCell(kPredefinedList, row, 1, std::to_string(i + 1));
  }
  const ui::Tooltip tips[] = {{kPredefinedList, kStrEditTooltip}};
  ui::AddTooltips(dialog, tips);
}

int PredefinedTextsWindow::ChosenRow(const ui::Dialog& dialog) const {
  const std::vector<int> rows = dialog.SelectedRows(kPredefinedList);
  return rows.empty() ? -1 : rows.front();
}

void PredefinedTextsWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kSaveTexts: SaveTexts(dialog); break;
    case kDeleteText: DeleteChosenText(dialog); break;
    case kStoreSms: StoreChosenText(dialog); break;
    case ui::kIdCancel: OnClose(dialog); break;
    default: break;
  }
}

void PredefinedTextsWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.controlId != kPredefinedList) return;
  if (event.kind == ui::EventKind::EditEnded && event.row >= 0 &&
      event.row < dialog.RowCount(kPredefinedList)) {
    dialog.SetCell(kPredefinedList, event.row, 0, EditedText(event.text));
  } else if (event.kind == ui::EventKind::KeyPressed && event.key == ui::Key::Delete) {
    DeleteChosenText(dialog);
  }
}

void PredefinedTextsWindow::DeleteChosenText(ui::Dialog& dialog) {
  const int row = ChosenRow(dialog);
  if (row < 0 || row >= static_cast<int>(kPredefinedTextCount)) return;
  dialog.SetCell(kPredefinedList, row, 0, "");
  context_.settings.ptxt[static_cast<std::size_t>(row)].clear();
}

void PredefinedTextsWindow::SaveTexts(ui::Dialog& dialog) {
  PredefinedTexts texts;
  for (std::size_t i = 0; i < kPredefinedTextCount; ++i) {
    texts[i] = dialog.Cell(kPredefinedList, static_cast<int>(i), 0);
  }
  SavePredefinedTexts(texts, context_.settings, context_.profile);
}

void PredefinedTextsWindow::StoreChosenText(ui::Dialog& dialog) {
  const int row = ChosenRow(dialog);
  if (row < 0) return;
  SendRequest request;
  request.text = dialog.Cell(kPredefinedList, row, 0);
  if (request.text.empty()) return;
  WindowSendFeedback feedback(ui_, stored_);
  ui::WithWindowDisabled(dialog, [&] {
    SendSms(context_.exchange, SendSettingsFrom(context_.settings, context_.run), request,
            SendMode::kStorePredefined, feedback);
  });
}

void PredefinedTextsWindow::OnClose(ui::Dialog& dialog) {
  ui::ReadColumnWidths(dialog, kPredefinedList, context_.settings.pCol);
  config::WriteKeyFamily(context_.profile, "PCol", context_.settings.pCol);
  dialog.End(ui::kIdCancel);
}

void RunPredefinedTexts(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                        const StoredRowSink& stored) {
  PredefinedTextsWindow window(context, ui, stored);
  ui.RunModal(kPredefinedTemplate, window, &opener);
}

}  // namespace telvane::sms
