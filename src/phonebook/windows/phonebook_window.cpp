#include "phonebook/windows/phonebook_window.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "base/decimal.h"
#include "phonebook/address_book_reading.h"
#include "phonebook/address_entry_writing.h"
#include "phonebook/csv_import.h"
#include "phonebook/entry_command.h"
#include "phonebook/entry_writing.h"
#include "phonebook/external_book.h"
#include "phonebook/normalising.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/redbook_writing.h"
#include "phonebook/vcard_import.h"
#include "phonebook/windows/address_dialog.h"
#include "phonebook/windows/book_window_feedback.h"
#include "phonebook/windows/entry_dialog.h"
#include "phonebook/windows/phonebook_print.h"
#include "phonebook/windows/phonebook_window_ids.h"
#include "phonebook/windows/pin2_dialog.h"
#include "sms/sms_centre.h"
#include "ui/resources.h"
#include "ui/window_kit.h"

namespace telvane::phonebook {

using namespace window_ids;

namespace {

constexpr ui::Tooltip kTooltips[] = {{kBookList, 11},
                                     {kRedbookList, 12},
                                     {kOutgoingCalls, 12},
                                     {kIncomingCalls, 12},
                                     {kAcceptedCalls, 12}};

// The commands that open the SMS send dialog. "&Multicast SMS" sends one message to
// every selected row.
constexpr int kSmsCommands[] = {kSendSms, kMulticastSms, kSendRedbookSms};

constexpr const char* kBookNames[] = {"SIM", "Internal", "SIM fix"};

constexpr int kStrCantDial = 18;
constexpr int kStrNoCarrier = 19;
constexpr int kStrNoDialtone = 20;
constexpr int kStrLineBusy = 21;
constexpr int kStrEnterCentre = 58;
constexpr int kStrCantSetCentre = 59;

// A text from the phone on its way into a dial command: nothing that could end the
// command line or open a quoted string.
std::string DialSafe(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F && c != '"' && c != ';') out += c;
  }
  return out;
}

int CallListOf(int command) {
  switch (command) {
    case kCallBackIncoming:
    case kCopyIncoming: return kIncomingCalls;
    case kCallBackAccepted:
    case kCopyAccepted: return kAcceptedCalls;
    default: return kOutgoingCalls;
  }
}

// The "Abort printing" box: Cancel stops the document in progress and any further copy.
class PrintAbortBox : public ui::DialogHandler {
 public:
  static constexpr int kTemplate = 115;
  explicit PrintAbortBox(ui::PrintJob& job) : job_(job) {}
  void OnCommand(ui::Dialog& dialog, int commandId) override {
    if (commandId != ui::kIdCancel || aborted_) return;
    aborted_ = true;
    job_.AbortDocument();
    dialog.Show(ui::kIdCancel, false);
  }
  void OnClose(ui::Dialog& dialog) override { OnCommand(dialog, ui::kIdCancel); }
  bool Aborted() const { return aborted_; }

 private:
  ui::PrintJob& job_;
  bool aborted_ = false;
};

}  // namespace

void PhonebookWindow::PrintBook() {
  std::unique_ptr<ui::PrintJob> job = ui_.StartPrint();
  if (job) {
    PrintAbortBox abortHandler(*job);
    std::unique_ptr<ui::Dialog> abortBox = ui_.OpenModeless(PrintAbortBox::kTemplate, abortHandler);
    ui::WindowDisabled disabled(*dialog_);
    const PrintLayout layout = ComputePrintLayout(job->Metrics(), job->SelectFont(kPrintPoints));
    std::vector<std::string> lines;
    for (int row = 0; row < dialog_->RowCount(kBookList); ++row) {
      lines.push_back(PrintLine(store_, store_.currentBook, dialog_->Cell(kBookList, row, 0),
                                dialog_->Cell(kBookList, row, 1),
                                dialog_->Cell(kBookList, row, 2)));
    }
    const LocalTime now = LocalTimeNow();
    const auto aborted = [&] {
      ui_.PumpMessages();
      return abortHandler.Aborted();
    };
    for (int copy = 0; copy < job->Copies() && !abortHandler.Aborted(); ++copy) {
      PrintDocument(*job, layout, ui_.LanguageId(), store_.currentBook, now, lines, aborted);
    }
    job.reset();
  }
  dialog_->SetFocus(kBookList);
}

WriteContext PhonebookWindow::MakeWriteContext() {
  return WriteContext{context_.exchange, store_, context_.run.pin2, [this]() {
                        Pin2Dialog pin2;
                        ui::WindowDisabled disabled(*dialog_);
                        const int result = ui_.RunModal(Pin2Dialog::kTemplate, pin2, nullptr);
                        return result == 1 ? std::optional<std::string>(pin2.Entered())
                                           : std::nullopt;
                      }};
}

void PhonebookWindow::OnInit(ui::Dialog& dialog) {
  dialog_ = &dialog;
  dialog.AcceptFiles(true);
  ui::AddTooltips(dialog, kTooltips);
  context_.run.smsCentreNumber.clear();
  context_.run.smsCentreType = 129;
  store_.freePositions.Clear();
  store_.deletedEntries.Clear();
  ui::AddListViewStyle(dialog, kBookList, ui::kListFullRowSelect);
  ui::AddListViewStyle(dialog, kRedbookList, ui::kListFullRowSelect);
  InsertListColumns();

  const bool answered = ReadAtOpening();

  SortBook(1);
  store_.loaded = true;
  dialog.ClearItems(kBookSelector);
  for (const char* name : kBookNames) dialog.AddItem(kBookSelector, name);
  dialog.SetCurrentItem(kBookSelector, static_cast<int>(Book::kInternal));
  store_.currentBook = Book::kInternal;
  if (answered) context_.exchange.SendCommand(SelectCommand(Book::kInternal));
}

void PhonebookWindow::InsertListColumns() {
  const ColumnTitles titles = ListColumnTitles(ui_.LanguageId());
  const ui::ColumnSpec book[] = {{titles.position, 30}, {titles.name, 100}, {titles.number, 100}};
  const ui::ColumnSpec redbook[] = {{titles.position, 0}, {titles.name, 80}, {titles.number, 100}};
  ui::InsertColumns(*dialog_, kBookList, book, context_.settings.tCol);
  ui::InsertColumns(*dialog_, kRedbookList, redbook, context_.settings.rCol);
}

ReadReport PhonebookWindow::BookReport(int barId, int textId) {
  return BookReport(*dialog_, barId, textId);
}

ReadReport PhonebookWindow::BookReport(ui::Dialog& progress, int barId, int textId) {
  ReadReport report;
  report.entryAdded = [this](std::size_t slot) {
    BookList().Append(store_.entries[slot], slot);
    ui_.PumpMessages();
  };
  report.progress = [&progress, barId, textId](int percent) {
    progress.SetPos(barId, percent);
    if (textId != 0) progress.SetText(textId, std::to_string(percent) + " %");
  };
  return report;
}

bool PhonebookWindow::ReadAtOpening() {
  ui::WaitBox waitHandler;
  std::unique_ptr<ui::Dialog> wait = ui_.OpenModeless(ui::WaitBox::kTemplate, waitHandler);
  ui::Dialog& box = wait ? *wait : *dialog_;
  const int bar = wait ? ui::WaitBox::kBar : kProgress;
  const int text = wait ? ui::WaitBox::kText : 0;
  const auto startBar = [&] {
    box.SetRange(bar, 0, 100);
    box.SetPos(bar, 1);
  };
  link::Exchange& exchange = context_.exchange;
  // One failed opening is one message, however many of its reads fail.
  bool readErrorShown = false;
  const auto readError = [&] {
    if (!std::exchange(readErrorShown, true)) ui::ShowError(ui_, kStrReadError);
  };
  // A phone that gave no answer at all is asked nothing more: the opening ends there.
  const auto silent = [&] { return PhoneSilent(exchange); };

  const OwnNumbers own = ReadOwnNumbers(exchange);
  if (!own.selected) readError();
  for (std::size_t i = 0; i < own.numbers.size(); ++i)
    dialog_->SetText(kOwnNumbers[i], own.numbers[i]);
  if (silent()) return false;

  startBar();
  if (!ReadAddressBookAtOpening(box, bar, text)) readError();
  if (silent()) return false;

  startBar();
  ReadReport redbookReport = BookReport(box, bar, text);
  redbookReport.entryAdded = [this](std::size_t slot) {
    Redbook().Append(store_.redbook[slot], slot);
    ui_.PumpMessages();
  };
  dialog_->DeleteAllRows(kRedbookList);
  if (!ReadRedbook(exchange, store_, redbookReport)) readError();
  if (silent()) return false;

  constexpr std::array<std::pair<CallListKind, int>, 3> kCallLists{{
      {CallListKind::kOutgoing, kOutgoingCalls},
      {CallListKind::kIncoming, kIncomingCalls},
      {CallListKind::kAccepted, kAcceptedCalls},
  }};
  for (const auto& [kind, listId] : kCallLists) {
    startBar();
    ReadReport callReport = BookReport(box, bar, text);
    callReport.entryAdded = [this, kind = kind, listId = listId](std::size_t slot) {
      dialog_->AddItem(listId, CallListLine(store_.callLists[static_cast<int>(kind)][slot]));
      ui_.PumpMessages();
    };
    dialog_->ClearItems(listId);
    if (!ReadCallList(exchange, store_, kind, callReport)) readError();
    if (silent()) return false;
  }

  ReadServiceCentre();
  return !silent();
}

bool PhonebookWindow::ReadAddressBookAtOpening(ui::Dialog& box, int bar, int text) {
  link::Exchange& exchange = context_.exchange;
  if (!exchange.SendCommand(SelectCommand(Book::kInternal))) return false;
  dialog_->Enable(kBookSelector, false);
  dialog_->DeleteAllRows(kBookList);
  const AddressBookRead read = ReadAddressBook(exchange, store_, ReadOptionsFrom(context_.settings),
                                               BookReport(box, bar, text));
  dialog_->Enable(kBookSelector, true);
  ShowCounts();
  return !read.readError;
}

void PhonebookWindow::ReadCurrentBook(bool withSelection) {
  link::Exchange& exchange = context_.exchange;
  if (withSelection && !SelectBook(exchange, store_.currentBook)) return;
  dialog_->SetRange(kProgress, 0, 100);
  dialog_->SetPos(kProgress, 1);
  dialog_->Enable(kBookSelector, false);
  dialog_->DeleteAllRows(kBookList);
  const ReadOptions options = ReadOptionsFrom(context_.settings);
  bool readError = false;
  if (store_.currentBook == Book::kInternal) {
    readError = ReadAddressBook(exchange, store_, options, BookReport(kProgress, 0)).readError;
  } else {
    const ReadResult result = ReadPhonebook(exchange, store_, options, BookReport(kProgress, 0));
    // Nothing read: the list shows what it held. Broken off: the table was emptied, so
    // no row may point into it any more.
    if (result == ReadResult::kNotStarted) BookList().Refill(store_);
    if (result == ReadResult::kBroken) dialog_->DeleteAllRows(kBookList);
    readError = result == ReadResult::kBroken && PhoneSilent(exchange);
  }
  dialog_->Enable(kBookSelector, true);
  dialog_->SetPos(kProgress, 0);
  SortBook(1);
  ShowCounts();
  if (readError) ui::ShowError(ui_, kStrReadError);
}

void PhonebookWindow::ShowCounts() {
  dialog_->SetText(kEntryCount, std::to_string(store_.EntryCount()));
  dialog_->SetText(kLastPosition, std::to_string(store_.capacity.last));
}

void PhonebookWindow::SortBook(int column) {
  BookList().Sort(
      [this](std::size_t slot) {
        return slot < store_.entries.Count() ? &store_.entries[slot] : nullptr;
      },
      column);
}

std::optional<RowEntry> PhonebookWindow::EntryOfRow(int row) {
  return phonebook::EntryOfRow(*this, row);
}

void PhonebookWindow::ShowWriteOutcome(const Outcome& outcome, bool newEntry) {
  ShowOutcomeMessage(ui_, outcome);
  if (!outcome.done || outcome.slot >= store_.entries.Count()) return;
  if (newEntry) {
    BookList().Append(store_.entries[outcome.slot], outcome.slot);
  } else {
    BookList().Update(store_.entries[outcome.slot], outcome.slot);
  }
  ShowCounts();
  SortBook(1);
}

bool PhonebookWindow::Unavailable(int command) const {
  return !sendSms_ && std::find(std::begin(kSmsCommands), std::end(kSmsCommands), command) !=
                          std::end(kSmsCommands);
}

void PhonebookWindow::GreyUnavailable(std::vector<ui::MenuItem>& items) const {
  for (ui::MenuItem& item : items) {
    if (Unavailable(item.command)) item.grayed = true;
    GreyUnavailable(item.children);
  }
}

std::optional<SmsRecipient> PhonebookWindow::BookRecipient(int row) {
  const std::optional<std::size_t> slot = BookList().SlotOfRow(row);
  if (!slot || *slot >= store_.entries.Count() || store_.IsDeleted(*slot)) return std::nullopt;
  const PhonebookEntry& entry = store_.entries[*slot];
  return SmsRecipient{entry.name, entry.number};
}

std::optional<SmsRecipient> PhonebookWindow::RedbookRecipient(int row) {
  const std::optional<std::size_t> index = Redbook().SlotOfRow(row);
  if (!index || *index >= store_.redbook.Count()) return std::nullopt;
  const PhonebookEntry& entry = store_.redbook[*index];
  return SmsRecipient{entry.name, entry.number};
}

void PhonebookWindow::SendSms(int commandId) {
  std::vector<SmsRecipient> recipients;
  if (commandId == kMulticastSms) {
    for (const int row : dialog_->SelectedRows(kBookList)) {
      if (auto recipient = BookRecipient(row)) recipients.push_back(std::move(*recipient));
    }
  } else {
    const std::optional<SmsRecipient> recipient =
        commandId == kSendSms ? BookRecipient(BookList().ChosenRow())
                              : RedbookRecipient(dialog_->FocusedRow(kRedbookList));
    if (recipient) recipients.push_back(*recipient);
  }
  if (recipients.empty()) return;
  sendSms_(*dialog_, std::move(recipients), commandId == kMulticastSms);
}

void PhonebookWindow::OnCommand(ui::Dialog& dialog, int commandId) {
  if (Unavailable(commandId)) return;
  link::Exchange& exchange = context_.exchange;
  switch (commandId) {
    case kSetCentre: SetServiceCentre(); break;
    case kSendSms:
    case kSendRedbookSms:
    case kMulticastSms: SendSms(commandId); break;
    case kClearOutgoing: ClearOutgoingCalls(); break;
    case kNewEntry:
      if (!SelectBook(exchange, store_.currentBook)) return;
      if (static_cast<int>(store_.EntryCount()) > store_.capacity.last) {
        ui::ShowError(ui_, kStrMaximumEntries);
        return;
      }
      OpenEntryDialog(EntryDialog::kNewEntry);
      break;
    case kModifyEntry: {
      if (!SelectBook(exchange, store_.currentBook)) return;
      const int row = BookList().ChosenRow();
      if (row >= 0) OpenEntryDialog(row);
      break;
    }
    case kDeleteEntry: DeleteChosenEntry(true); break;
    case kCall: Call(); break;
    case kCallBackIncoming:
    case kCallBackOutgoing:
    case kCallBackAccepted: CallBack(CallListOf(commandId)); break;
    case kHangUp: exchange.SendCommand("AT+CHUP"); break;
    case kRedial:
      exchange.SendDialCommand("ATDL");
      dialog.SetFocus(kBookList);
      break;
    case kNormalise: Normalise(); break;
    case kDeleteBook: DeleteWholeBook(); break;
    case kPrint: PrintBook(); break;
    case kExportCsv: Export(ExportFormat::kCsv); break;
    case kExportXml: Export(ExportFormat::kXml); break;
    case kExportVcard: ExportVcards(); break;
    case kImport: Import(); break;
    case kSaveExternal: SaveExternalBook(); break;
    case kCopyOutgoing:
    case kCopyAccepted:
    case kCopyIncoming: CopyToPhonebook(CallListOf(commandId)); break;
    default: break;
  }
}

void PhonebookWindow::OnEvent(ui::Dialog&, const ui::ControlEvent& event) {
  using ui::EventKind;
  switch (event.kind) {
    case EventKind::SelectionChanged:
      if (event.controlId == kBookSelector) ChangeBook(dialog_->CurrentItem(kBookSelector));
      break;
    case EventKind::RightClicked:
      if (event.controlId == kBookList || event.controlId == kRedbookList ||
          event.controlId == kOutgoingCalls || event.controlId == kIncomingCalls ||
          event.controlId == kAcceptedCalls) {
        ShowPopup(event.controlId);
      }
      break;
    case EventKind::HeaderClicked:
      if (event.controlId == kBookList) {
        SortBook(event.column);
      } else if (event.controlId == kRedbookList) {
        Redbook().Sort(
            [this](std::size_t slot) {
              return slot < store_.redbook.Count() ? &store_.redbook[slot] : nullptr;
            },
            event.column);
      }
      break;
    case EventKind::KeyPressed:
      if (event.controlId == kBookList && event.key == ui::Key::Delete) DeleteChosenEntry(false);
      if (event.controlId == kBookList && event.key == ui::Key::F3) AddChosenToRedbook();
      if (event.controlId == kRedbookList && event.key == ui::Key::Delete)
        RemoveChosenFromRedbook();
      break;
    case EventKind::DoubleClicked:
      if (event.controlId == kBookList) AddChosenToRedbook();
      break;
    default: break;
  }
}

void PhonebookWindow::ShowPopup(int listId) {
  const int menuId = listId == kBookList ? kBookMenu : listId;
  const ui::MenuTemplate* menu = ui_.Res().Menu(menuId, ui_.LanguageId());
  if (menu == nullptr || menu->items.empty()) return;
  ui::MenuTemplate popup{
      menuId, menu->items.front().children.empty() ? menu->items : menu->items.front().children};
  GreyUnavailable(popup.items);
  dialog_->ShowPopupMenu(popup);
}

void PhonebookWindow::ChangeBook(int index) {
  if (index < 0 || index > 2 || index == static_cast<int>(store_.currentBook)) return;
  // A book the phone refuses to select is not shown: the selector, the list and the
  // tables stay on the book they showed, so no write can reach the wrong book.
  const Book chosen = static_cast<Book>(index);
  if (!SelectBook(context_.exchange, chosen)) {
    dialog_->SetCurrentItem(kBookSelector, static_cast<int>(store_.currentBook));
    return;
  }
  SaveExternalBook();
  store_.currentBook = chosen;
  ReadCurrentBook(false);
}

void PhonebookWindow::OpenEntryDialog(int mode, const std::string& number) {
  if (store_.currentBook == Book::kInternal) {
    AddressDialog address(*this, mode, number);
    ui_.RunModal(AddressDialog::kTemplate, address, dialog_);
  } else {
    EntryDialog entry(*this, mode, number);
    ui_.RunModal(EntryDialog::kTemplate, entry, dialog_);
  }
}

void PhonebookWindow::DeleteChosenEntry(bool selectFirst) {
  if (selectFirst && !SelectBook(context_.exchange, store_.currentBook)) return;
  const int row = BookList().ChosenRow();
  if (row < 0) return;
  if (ui::ShowStringMessage(ui_, kStrConfirmDelete, ui::Caption::Telvane, ui::Buttons::YesNo,
                            ui::Icon::Question) != ui::kIdYes) {
    return;
  }
  const std::optional<int> position = base::LeadingDecimal(dialog_->Cell(kBookList, row, 0));
  if (!position) return;
  WriteContext write = MakeWriteContext();
  const Outcome outcome = store_.currentBook == Book::kInternal
                              ? DeleteAddressEntry(context_.exchange, store_, *position)
                              : DeleteEntry(write, *position);
  if (outcome.messageId != 0) ui::ShowError(ui_, outcome.messageId);
  if (outcome.done && outcome.slot < store_.entries.Count()) {
    BookList().Update(store_.entries[outcome.slot], outcome.slot, true);
  }
}

void PhonebookWindow::AddChosenToRedbook() {
  const std::optional<std::size_t> slot = BookList().SlotOfRow(BookList().ChosenRow());
  if (!slot || *slot >= store_.entries.Count()) return;
  if (store_.entries[*slot].name.ends_with('!')) {
    ui::ShowError(ui_, kStrAlreadyInRedbook);
    return;
  }
  WriteContext write = MakeWriteContext();
  const Outcome outcome = AddToRedbook(write, *slot);
  if (outcome.messageId != 0) ui::ShowError(ui_, outcome.messageId);
  if (!outcome.done) return;
  BookList().Update(store_.entries[*slot], *slot);
  const std::size_t added = store_.redbook.Count() - 1;
  Redbook().Append(store_.redbook[added], added);
}

void PhonebookWindow::RemoveChosenFromRedbook() {
  const std::optional<std::size_t> index = Redbook().SlotOfRow(dialog_->FocusedRow(kRedbookList));
  if (!index || *index >= store_.redbook.Count()) return;
  WriteContext write = MakeWriteContext();
  const Outcome outcome = RemoveFromRedbook(write, *index);
  if (outcome.messageId != 0) ui::ShowError(ui_, outcome.messageId);
  if (!outcome.done) return;
  if (outcome.slot < store_.entries.Count()) {
    BookList().Update(store_.entries[outcome.slot], outcome.slot);
  }
  Redbook().RemoveRowOfSlot(*index);
}

void PhonebookWindow::ReportDial(int result) {
  switch (result) {
    case link::kDialFailed: ui::ShowError(ui_, kStrCantDial); break;
    case link::kDialNoCarrier: ui::ShowError(ui_, kStrNoCarrier); break;
    case link::kDialNoDialtone: ui::ShowError(ui_, kStrNoDialtone); break;
    case link::kDialBusy: ui::ShowError(ui_, kStrLineBusy); break;
    default: break;
  }
}

void PhonebookWindow::Call() {
  if (!SelectBook(context_.exchange, store_.currentBook)) return;
  const std::optional<std::size_t> slot = BookList().SlotOfRow(BookList().ChosenRow());
  if (!slot || *slot >= store_.entries.Count() || store_.IsDeleted(*slot)) return;
  const PhonebookEntry& entry = store_.entries[*slot];
  const std::string command = store_.currentBook == Book::kInternal
                                  ? "ATDT" + CleanNumber(entry.number) + ";"
                                  : "ATD>" + std::to_string(entry.position) + ";";
  ReportDial(context_.exchange.SendDialCommand(command));
}

void PhonebookWindow::CallBack(int listId) {
  const int item = dialog_->CurrentItem(listId);
  if (item < 0) return;
  const std::string line = dialog_->ItemText(listId, item);
  // The line is "name, number": the number stands behind the last comma, as a name may
  // hold commas of its own.
  const std::size_t comma = line.rfind(',');
  if (comma == std::string::npos) return;
  ReportDial(context_.exchange.SendDialCommand("ATDT" + DialSafe(line.substr(comma + 1)) + ";"));
  dialog_->SetFocus(listId);
}

void PhonebookWindow::CopyToPhonebook(int listId) {
  const int item = dialog_->CurrentItem(listId);
  if (item < 0) return;
  const std::string line = dialog_->ItemText(listId, item);
  if (line.starts_with(',')) {
    OpenEntryDialog(EntryDialog::kNumberFromCallList, line.size() > 2 ? line.substr(2) : "");
  } else if (!line.empty()) {
    ui::ShowError(ui_, kStrEntryExists);
  }
}

void PhonebookWindow::Normalise() {
  // A prefix that is no number would be filtered into every number it is put before.
  if (context_.settings.tPref.empty() || !DialNumber(context_.settings.tPref)) {
    ui::ShowError(ui_, kStrEnterTPref);
    return;
  }
  // The rows in the order the list shows them.
  std::vector<std::size_t> order;
  for (int row = 0; row < dialog_->RowCount(kBookList); ++row) {
    if (const auto slot = BookList().SlotOfRow(row)) order.push_back(*slot);
  }
  ui::WindowDisabled disabled(*dialog_);
  WriteContext write = MakeWriteContext();
  NormaliseEntries(write, NormaliseOptionsFrom(context_.settings), order,
                   [this](const Outcome& outcome) {
                     if (outcome.slot < store_.entries.Count()) {
                       BookList().Update(store_.entries[outcome.slot], outcome.slot);
                     }
                     if (outcome.messageId != 0) ui::ShowError(ui_, outcome.messageId);
                   });
}

void PhonebookWindow::DeleteWholeBook() {
  if (ui::ShowStringMessage(ui_, kStrConfirmDeleteBook, ui::Caption::Telvane, ui::Buttons::YesNo,
                            ui::Icon::Question) != ui::kIdYes) {
    return;
  }
  const ReadOptions options = ReadOptionsFrom(context_.settings);
  dialog_->SetRange(kProgress, 0, 100);
  dialog_->SetPos(kProgress, 1);
  dialog_->DeleteAllRows(kBookList);
  if (store_.currentBook == Book::kInternal) {
    DeleteAddressBook(context_.exchange, store_, options, BookReport(kProgress, 0));
  } else {
    WriteContext write = MakeWriteContext();
    const Outcome outcome = DeleteBook(write, options, BookReport(kProgress, 0));
    if (outcome.messageId != 0) ui::ShowError(ui_, outcome.messageId);
    if (!outcome.done) BookList().Refill(store_);
  }
  dialog_->SetPos(kProgress, 0);
  SortBook(1);
  ShowCounts();
}

void PhonebookWindow::ReadServiceCentre() {
  if (!context_.exchange.SendCommand("AT+CSCA?")) return;
  const auto centre = sms::ParseCentreAnswer(context_.exchange.Answer());
  if (!centre) return;
  context_.run.smsCentreNumber = CleanNumber(centre->number);
  // The type the phone states; without one, international with "+", else national.
  context_.run.smsCentreType =
      centre->statedType.value_or(context_.run.smsCentreNumber.starts_with('+') ? 145 : 129);
  dialog_->SetText(kCentreNumber, context_.run.smsCentreNumber);
}

void PhonebookWindow::SetServiceCentre() {
  // Text that is no number is refused, never filtered into another number.
  const std::optional<std::string> dial = DialNumber(dialog_->Text(kCentreNumber).substr(0, 49));
  if (!dial || dial->empty()) {
    ui::ShowError(ui_, kStrEnterCentre);
    return;
  }
  const std::string& number = *dial;
  const int type = number.starts_with('+') ? 145 : 129;
  if (context_.exchange.SendCommand("AT+CSCA=" + number + "," + std::to_string(type))) {
    context_.run.smsCentreNumber = number;
    context_.run.smsCentreType = type;
  } else {
    ui::ShowError(ui_, kStrCantSetCentre);
  }
}

void PhonebookWindow::ClearOutgoingCalls() {
  if (context_.exchange.SendCommand("AT^SDMC")) dialog_->ClearItems(kOutgoingCalls);
}

std::filesystem::path PhonebookWindow::ExternalBookPath() const {
  return ExternalBookBeside(context_.profile.Path());
}

void PhonebookWindow::SaveExternalBook() {
  ShowOutcomeMessage(ui_, WriteExternalBook(store_, ExternalBookPath()));
}

EntryStored PhonebookWindow::RowsFollowingStore() {
  return [this](std::size_t slot, bool added) {
    if (slot >= store_.entries.Count()) return;
    if (added) {
      BookList().Append(store_.entries[slot], slot);
    } else {
      BookList().Update(store_.entries[slot], slot);
    }
  };
}

void PhonebookWindow::Export(ExportFormat format) {
  const bool csv = format == ExportFormat::kCsv;
  ui::FileRequest request;
  request.save = true;
  request.filters = {csv ? ui::FileFilter{"CSV file (*.csv)", "*.csv"}
                         : ui::FileFilter{"XML file (*.xml)", "*.xml"}};
  request.defaultExtension = csv ? "csv" : "xml";
  request.initialName = ExportFileName(store_.currentBook, request.defaultExtension);
  const auto choice = ui_.ChooseFile(request);
  if (!choice) return;
  const Outcome written = ui::WithWindowDisabled(*dialog_, [&] {
    const Outcome outcome = ExportBook(store_, choice->path, format);
    ShowOutcomeMessage(ui_, outcome);
    return outcome;
  });
  if (written.done) ui_.OpenWithShell(choice->path);
}

void PhonebookWindow::ExportVcards() {
  std::vector<int> rows = dialog_->SelectedRows(kBookList);
  if (rows.empty() && BookList().ChosenRow() >= 0) rows.push_back(BookList().ChosenRow());
  for (const int row : rows) {
    const std::optional<std::size_t> slot = BookList().SlotOfRow(row);
    if (!slot || *slot >= store_.entries.Count() || store_.IsDeleted(*slot)) continue;
    ui::FileRequest request;
    request.save = true;
    request.filters = {{"VCF file (*.vcf)", "*.vcf"}};
    request.defaultExtension = "vcf";
    request.initialName = VcardFileName(store_.entries[*slot]);
    const auto choice = ui_.ChooseFile(request);
    if (!choice) continue;
    const Outcome written = ui::WithWindowDisabled(*dialog_, [&] {
      const Outcome outcome = ExportVcard(store_, *slot, choice->path, UtcTimeNow());
      ShowOutcomeMessage(ui_, outcome);
      return outcome;
    });
    if (written.done) ui_.OpenWithShell(choice->path);
  }
}

void PhonebookWindow::Import() {
  ui::FileRequest request;
  request.filters = {{"CSV file (*.csv)", "*.csv"}};
  request.defaultExtension = "csv";
  request.mustExist = true;
  const auto choice = ui_.ChooseFile(request);
  if (!choice) return;
  const bool overwrite =
      ui::ShowStringMessage(ui_, kStrOverwrite, ui::Caption::Telvane, ui::Buttons::YesNo,
                            ui::Icon::Question) == ui::kIdYes;
  ui::WithWindowDisabled(*dialog_, [&] {
    WriteContext write = MakeWriteContext();
    BookWindowFeedback feedback(ui_);
    ImportCsv(write, feedback, choice->path, overwrite, RowsFollowingStore());
  });
  if (overwrite) {
    // Overwritten positions may hide entries the table had; the book is read again
    // (the address book without a new selection).
    ReadCurrentBook(store_.currentBook != Book::kInternal);
  } else {
    SortBook(1);
    ShowCounts();
  }
}

void PhonebookWindow::OnDropFiles(ui::Dialog&, const std::vector<std::string>& paths) {
  std::vector<std::filesystem::path> files(paths.begin(), paths.end());
  WriteContext write = MakeWriteContext();
  BookWindowFeedback feedback(ui_);
  if (ImportDroppedFiles(write, feedback, files, RowsFollowingStore()) > 0) {
    SortBook(1);
    ShowCounts();
  }
}

void PhonebookWindow::OnHelp(ui::Dialog&) { ui::OpenHelpOrComplain(ui_, context_.helpFile); }

void PhonebookWindow::OnClose(ui::Dialog& dialog) {
  ui::ReadColumnWidths(dialog, kBookList, context_.settings.tCol);
  ui::ReadColumnWidths(dialog, kRedbookList, context_.settings.rCol);
  config::WriteKeyFamily(context_.profile, "TCol", context_.settings.tCol);
  config::WriteKeyFamily(context_.profile, "RCol", context_.settings.rCol);
  SaveExternalBook();
  dialog.End(ui::kIdCancel);
}

}  // namespace telvane::phonebook
