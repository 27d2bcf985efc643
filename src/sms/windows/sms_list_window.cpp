#include "sms/windows/sms_list_window.h"

#include <algorithm>

#include "config/locale_info.h"
#include "config/settings.h"
#include "sms/sms_deletion.h"
#include "sms/windows/sms_list_ids.h"
#include "sms/windows/sms_view_dialog.h"
#include "ui/window_kit.h"

namespace telvane::sms {

using namespace list_ids;

namespace {

constexpr ui::Tooltip kTooltips[] = {{kList, kStrListTooltip}};
constexpr int kDefaultWidths[kSmsColumnCount] = {25, 35, 120, 100, 100, 350};

using Titles = std::array<const char*, kSmsColumnCount>;

Titles ColumnTitles(int languageId) {
  switch (languageId) {
    case config::kLangGerman: return {"Nr.", "Typ", "Datum", "Absender", "Name", "Text"};
    case config::kLangSpanish: return {"#", "Tipo", "Data", "Mittente", "Nombre", "Testo"};
    case config::kLangFrench: return {"#", "Type", "Date", "Sender", "Nom", "Text"};
    case config::kLangItalian: return {"#", "Tipo", "Data", "Mittente", "Nome", "Testo"};
    case config::kLangDutch: return {"Nr.", "Type", "Datum", "Afzender", "Naam", "Tekst"};
    case config::kLangNorwegian: return {"#", "Type", "Dato", "Sender", "Navn", "Tekst"};
    case config::kLangPortuguese: return {"#", "Tipo", "Data", "Remetente", "Nome", "Texto"};
    default: return {"#", "Type", "Date", "Sender", "Name", "Text"};
  }
}

}  // namespace

void SmsListWindow::OnInit(ui::Dialog& dialog) {
  dialog_ = &dialog;
  ui::AddListViewStyle(dialog, kList, ui::kListFullRowSelect);
  InsertColumns();
  phonebook::ReadExternalBook(phonebook::ExternalBookBeside(context_.profile.Path()),
                              externalBook_);
  ReadList();
  ui::AddTooltips(dialog, kTooltips);
}

void SmsListWindow::InsertColumns() {
  const Titles titles = ColumnTitles(ui_.LanguageId());
  std::array<ui::ColumnSpec, kSmsColumnCount> columns{};
  for (std::size_t i = 0; i < columns.size(); ++i) columns[i] = {titles[i], kDefaultWidths[i]};
  columns[0].align = ui::ColumnAlign::kRight;  // the storage index
  ui::InsertColumns(*dialog_, kList, columns, context_.settings.sCol);
}

void SmsListWindow::ReadList() {
  ShowReading(ReadSmsList(context_.exchange, externalBook_, context_.settings.swapD != 0));
}

void SmsListWindow::ShowReading(const SmsListReading& reading) {
  if (reading.Aborted()) {
    ui::ShowError(ui_, reading.messageId);
    return;
  }
  dialog_->SetText(kOverflowLine,
                   SmscOverflowText(ui_.LanguageId(), reading.overflowState.value_or(-1)));
  if (reading.messageId != 0) ui::ShowError(ui_, reading.messageId);
  dialog_->DeleteAllRows(kList);
  alphanumeric_.clear();
  rowCount_ = 0;
  for (const SmsListRow& row : reading.rows) AppendRow(row);
  context_.run.smsMessageCount = rowCount_;
  dialog_->SetText(kMessageCount, std::to_string(reading.used));
  dialog_->SetText(kMaximum, std::to_string(reading.total));
  if (rowCount_ > 0) {
    dialog_->SelectRow(kList, rowCount_ - 1, true);
    dialog_->SetFocusedRow(kList, rowCount_ - 1);
  }
}

void SmsListWindow::AppendRow(const SmsListRow& row) {
  const int at = dialog_->RowCount(kList);
  dialog_->InsertRow(kList, at, row.cells[kColIndex], row.position);
  for (int column = 1; column < kSmsColumnCount; ++column) {
    dialog_->SetCell(kList, at, column, row.cells[static_cast<std::size_t>(column)]);
  }
  const auto position = static_cast<std::size_t>(row.position);
  if (alphanumeric_.size() <= position) alphanumeric_.resize(position + 1);
  alphanumeric_[position] = row.alphanumeric;
  ++rowCount_;
}

void SmsListWindow::AppendStored(const StoredRow& stored) {
  SmsListRow row;
  // After every row read so far, in reading order.
  row.position = static_cast<int>(alphanumeric_.size());
  row.cells[kColIndex] = std::to_string(stored.index);
  row.cells[kColNumber] = stored.number;
  row.cells[kColText] = stored.text;
  AppendRow(row);
  ShowRowCount();
}

StoredRowSink SmsListWindow::Sink() {
  return [this](const StoredRow& stored) { AppendStored(stored); };
}

void SmsListWindow::ShowRowCount() {
  context_.run.smsMessageCount = rowCount_;
  dialog_->SetText(kMessageCount, std::to_string(rowCount_));
}

SmsListRow SmsListWindow::RowAt(int row) const {
  SmsListRow result;
  for (int column = 0; column < kSmsColumnCount; ++column) {
    result.cells[static_cast<std::size_t>(column)] = dialog_->Cell(kList, row, column);
  }
  result.position = static_cast<int>(dialog_->RowData(kList, row));
  result.alphanumeric = Alphanumeric(row);
  return result;
}

std::vector<SmsListRow> SmsListWindow::AllRows() const {
  std::vector<SmsListRow> rows;
  for (int row = 0; row < dialog_->RowCount(kList); ++row) rows.push_back(RowAt(row));
  return rows;
}

bool SmsListWindow::Alphanumeric(int row) const {
  const std::int64_t position = dialog_->RowData(kList, row);
  return position >= 0 && position < static_cast<std::int64_t>(alphanumeric_.size()) &&
         alphanumeric_[static_cast<std::size_t>(position)];
}

void SmsListWindow::Sort(int column) {
  const auto by = [column](const ui::ListRow& a, const ui::ListRow& b) {
    SmsListRow left, right;
    for (std::size_t i = 0; i < left.cells.size(); ++i) {
      if (i < a.cells.size()) left.cells[i] = a.cells[i];
      if (i < b.cells.size()) right.cells[i] = b.cells[i];
    }
    left.position = static_cast<int>(a.data);
    right.position = static_cast<int>(b.data);
    return CompareSmsRows(left, right, column) < 0;
  };
  dialog_->SortRows(kList, by);
}

void SmsListWindow::OnEvent(ui::Dialog& dialog, const ui::ControlEvent& event) {
  if (event.controlId != kList) return;
  switch (event.kind) {
    case ui::EventKind::DoubleClicked:
      if (event.row >= 0) View(event.row);
      break;
    case ui::EventKind::RightClicked: dialog.ShowPopupMenu(kMenu); break;
    case ui::EventKind::HeaderClicked:
      // Back to reading order first, so that equal cells keep it.
      Sort(-1);
      Sort(event.column);
      break;
    default: break;
  }
}

void SmsListWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  switch (commandId) {
    case kDelete: DeleteSelected(); break;
    case kPredefined: RunPredefinedTexts(context_, ui_, dialog, Sink()); break;
    case kRefresh: ui::WithWindowDisabled(dialog, [this] { ReadList(); }); break;
    case kGroups: RunGroupWindow(context_, ui_, dialog, externalBook_, Sink()); break;
    case kCentre: RunCentreDialog(context_, ui_, dialog); break;
    case kSendStored: SendStored(); break;
    case kNewOrReply: NewOrReply(); break;
    case kView: ViewSelected(); break;
    case kExportCsv: Export(SmsExportFormat::kCsv); break;
    case kExportXml: Export(SmsExportFormat::kXml); break;
    case kTransfer: Transfer(); break;
    case ui::kIdCancel: OnClose(dialog); return;  // Escape closes as the close box does
    default: return;
  }
  dialog.SetFocus(kList);
}

void SmsListWindow::DeleteSelected() {
  std::vector<int> selected = dialog_->SelectedRows(kList);
  std::sort(selected.begin(), selected.end());
  std::vector<int> rows;
  std::vector<int> indexes;
  for (const int row : selected) {
    if (const auto index = IndexOfCell(dialog_->Cell(kList, row, kColIndex))) {
      rows.push_back(row);
      indexes.push_back(*index);
    } else {
      dialog_->SelectRow(kList, row, false);
    }
  }
  if (rows.empty()) return;
  const std::vector<bool> deleted = DeleteMessages(context_.exchange, indexes);
  // From the last row up, so that the rows still to go keep their positions.
  bool failed = false;
  for (std::size_t i = rows.size(); i-- > 0;) {
    if (deleted[i]) {
      dialog_->DeleteRow(kList, rows[i]);
      --rowCount_;
    } else {
      failed = true;
    }
  }
  if (failed) ui::ShowError(ui_, kStrCantDelete);
  ShowRowCount();
}

void SmsListWindow::OpenReply(const ReplySource& source) {
  RunReplyDialog(context_, ui_, *dialog_, source, externalBook_, Sink());
}

void SmsListWindow::SendStored() {
  for (const int row : dialog_->SelectedRows(kList)) {
    OpenReply({ReplyKind::kSendStored, dialog_->Cell(kList, row, kColNumber),
               dialog_->Cell(kList, row, kColText)});
  }
}

void SmsListWindow::NewOrReply() {
  if (dialog_->RowCount(kList) == 0) {
    OpenReply({ReplyKind::kNew, "", ""});
    return;
  }
  for (const int row : dialog_->SelectedRows(kList)) {
    // A sender given as text cannot be answered: the dialog opens empty.
    if (Alphanumeric(row)) {
      OpenReply({ReplyKind::kNew, "", ""});
    } else {
      OpenReply({ReplyKind::kReply, dialog_->Cell(kList, row, kColNumber), ""});
    }
  }
}

void SmsListWindow::View(int row) {
  if (row < 0 || row >= dialog_->RowCount(kList)) return;
  SmsViewDialog view(ui_, RowAt(row));
  ui_.RunModal(kViewTemplate, view, dialog_);
  dialog_->SetFocus(kList);
}

void SmsListWindow::ViewSelected() {
  for (const int row : dialog_->SelectedRows(kList)) View(row);
}

void SmsListWindow::Export(SmsExportFormat format) {
  const bool csv = format == SmsExportFormat::kCsv;
  ui::FileRequest request;
  request.save = true;
  request.filters = {csv ? ui::FileFilter{"CSV file (*.csv)", "*.csv"}
                         : ui::FileFilter{"XML file (*.xml)", "*.xml"}};
  request.defaultExtension = csv ? "csv" : "xml";
  request.initialName = csv ? "TelvaneSMS.csv" : "TelvaneSMS.xml";
  const auto choice = ui_.ChooseFile(request);
  if (!choice) return;
  const base::Outcome written = ui::WithWindowDisabled(
      *dialog_, [&] { return ExportSmsList(AllRows(), choice->path, format); });
  if (!written.done) {
    ui::ShowError(ui_, written.messageId);
    return;
  }
  ui_.OpenWithShell(choice->path);
}

void SmsListWindow::Transfer() {
  for (const int row : dialog_->SelectedRows(kList)) {
    const std::string number = dialog_->Cell(kList, row, kColNumber);
    if (number.empty() || Alphanumeric(row)) continue;
    if (!transfer_ || !transfer_(*dialog_, number)) {
      ui::ShowError(ui_, kStrNoPhonebookRead);
      return;
    }
  }
}

void SmsListWindow::OnClose(ui::Dialog& dialog) {
  ui::ReadColumnWidths(dialog, kList, context_.settings.sCol);
  config::WriteKeyFamily(context_.profile, "SCol", context_.settings.sCol);
  dialog.End(ui::kIdCancel);
}

void RunSmsList(config::AppContext& context, ui::Ui& ui, ui::Dialog& opener,
                const TransferToPhonebook& transfer) {
  SmsListWindow window(context, ui, transfer);
  ui.RunModal(context.settings.smsListX == 1 ? kTallTemplate : kTemplate, window, &opener);
}

}  // namespace telvane::sms
