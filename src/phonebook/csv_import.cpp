#include "phonebook/csv_import.h"

#include <algorithm>
#include <string>
#include <vector>

#include "objects/binary_object.h"
#include "phonebook/address_entry_writing.h"
#include "phonebook/book_reading.h"
#include "phonebook/entry_command.h"
#include "phonebook/file_fields.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/text_lines.h"
#include "phonebook/vcard_reader.h"

namespace telvane::phonebook {
namespace {

constexpr std::string_view kHeaderWithCommas = "NR,NAME,TELNUM";

enum Column {
  kNr,
  kName,
  kFirstName,
  kLastName,
  kCompany,
  kStreet,
  kCity,
  kZipCode,
  kCountry,
  kTelNum,
  kTelWork,
  kTelCell,
  kTelFax,
  kEmail,
  kWebPage,
};

// The fields of a data line, split at ";" when it has one, else at ","; none when the
// line has fewer than two separators.
std::optional<std::vector<std::string_view>> DataFields(const TextLine& line) {
  if (line.overlong) return std::nullopt;
  const char separator = line.text.find(';') != std::string::npos ? ';' : ',';
  std::vector<std::string_view> fields = SplitFields(line.text, separator);
  if (fields.size() < 3) return std::nullopt;
  return fields;
}

std::string_view FieldAt(const std::vector<std::string_view>& fields, std::size_t column) {
  return column < fields.size() ? fields[column] : std::string_view{};
}

bool HeaderFits(BoundedLineReader& reader, std::string_view header, ImportFeedback& feedback) {
  std::string withCommas(header);
  std::replace(withCommas.begin(), withCommas.end(), ';', ',');
  TextLine line;
  if (reader.Next(line) && !line.overlong &&
      (line.text.find(header) != std::string::npos ||
       line.text.find(withCommas) != std::string::npos)) {
    return true;
  }
  feedback.ReportMessage(kStrUnsuitableHeader);
  return false;
}

// The book's own length, when it reported one, within the table's limit.
std::size_t BookLimit(int reported, std::size_t tableLimit) {
  return reported > 0 ? std::min(static_cast<std::size_t>(reported), tableLimit) : tableLimit;
}

bool InBook(const BookCapacity& capacity, int position) {
  if (position < 1) return false;
  return capacity.last <= 0 || (position >= capacity.first && position <= capacity.last);
}

// One AT+CPBW of the import; for the SIM fix book the PIN2 is given when the phone asks.
SendResult SendImportWrite(WriteContext& context, const std::string& command) {
  link::Exchange& exchange = context.exchange;
  const bool accepted = exchange.SendCommand(command);
  if (context.store.currentBook != Book::kSimFix || !AsksForPin2(exchange.Answer())) {
    return accepted ? SendResult::kAccepted : SendResult::kFailed;
  }
  exchange.SendCommand("AT+CPIN?");
  const std::string pin = context.storedPin2.value_or("");
  if (!IsValidPin2(pin) || !exchange.SendCommand("AT+CPIN=" + pin)) {
    context.storedPin2.reset();
    return SendResult::kPin2Rejected;
  }
  return exchange.SendCommand(command) ? SendResult::kAccepted : SendResult::kFailed;
}

std::size_t ImportEntries(WriteContext& context, ImportFeedback& feedback,
                          BoundedLineReader& reader, bool overwrite, const EntryStored& stored) {
  PhonebookStore& store = context.store;
  const std::size_t lastFree =
      store.capacity.last > 0 ? static_cast<std::size_t>(store.capacity.last) : 0;
  std::size_t written = 0;
  TextLine line;
  while (reader.Next(line)) {
    const auto fields = DataFields(line);
    if (!fields) continue;
    const std::string_view numberField = (*fields)[2];
    if (numberField.empty() || numberField.front() != '\'') continue;
    PhonebookEntry entry;
    entry.name = CutTo(EntryName((*fields)[1]), BookLimit(store.capacity.textLength, kNameLimit));
    const std::optional<std::string> number = DialNumber(numberField.substr(1));
    if (!number) continue;  // no number: the line does not parse
    entry.number = CutTo(*number, BookLimit(store.capacity.numberLength, kNumberLimit));
    if (entry.number.empty()) continue;
    entry.numberType = NumberTypeOf(entry.number);

    if (overwrite) {
      entry.position = ParsePosition((*fields)[0]);
      if (!InBook(store.capacity, entry.position)) continue;
    } else {
      const auto free = store.freePositions.First(lastFree);
      if (!free || store.entries.Full()) {
        feedback.ReportMessage(free ? kStrMaximumEntries : kStrNoFreeEntry);
        break;
      }
      entry.position = free->value;
    }
    const SendResult result = SendImportWrite(
        context, WriteCommand(entry.position, entry.number, entry.numberType, entry.name));
    if (result == SendResult::kPin2Rejected) {
      feedback.ReportMessage(kStrPin2Rejected);
      return written;  // the phone's error mode stays at 2, as after any rejected PIN2
    }
    if (result == SendResult::kFailed) {
      feedback.ReportMessage(kStrCantWriteNew);
      continue;
    }
    const int position = entry.position;
    StoreWrittenEntry(store, std::move(entry), nullptr, position, stored);
    ++written;
  }
  if (store.currentBook == Book::kSimFix) context.exchange.SendCommand("AT+CMEE=0");
  return written;
}

std::size_t ImportBook(WriteContext& context, ImportFeedback& feedback,
                       const std::filesystem::path& file, bool overwrite,
                       const EntryStored& stored) {
  if (!SelectBook(context.exchange, context.store.currentBook)) return 0;
  BoundedLineReader reader(file, kImportLineLimit);
  if (!reader.IsOpen()) {
    feedback.ReportMessage(kStrCantOpenFile);
    return 0;
  }
  if (!HeaderFits(reader, kCsvHeader, feedback)) return 0;
  if (context.store.currentBook == Book::kSimFix) {
    const Pin2Check check = EnsurePin2(context);
    if (check != Pin2Check::kReady) {
      if (check == Pin2Check::kInvalid) feedback.ReportMessage(kStrInvalidPin2);
      return 0;
    }
    context.exchange.SendCommand("AT+CMEE=2");
  }
  return ImportEntries(context, feedback, reader, overwrite, stored);
}

// A number column of the extended file: the export puts an apostrophe before the number.
std::string NumberField(std::string_view field) {
  if (field.starts_with('\'')) field.remove_prefix(1);
  return std::string(field);
}

// The line's address input; nothing when one of its numbers is no number (the line does
// not parse, as the plain import has it).
std::optional<AddressInput> AddressLine(const std::vector<std::string_view>& fields) {
  AddressInput input;
  input.lastName = CleanName(FieldAt(fields, kLastName));
  input.firstName = CleanName(FieldAt(fields, kFirstName));
  if (input.lastName.empty() && input.firstName.empty()) {
    input.lastName = CleanName(FieldAt(fields, kName));
  }
  input.company = CleanName(FieldAt(fields, kCompany));
  input.street = CleanName(FieldAt(fields, kStreet));
  input.city = CleanName(FieldAt(fields, kCity));
  input.postalCode = CleanName(FieldAt(fields, kZipCode));
  input.country = CleanName(FieldAt(fields, kCountry));
  input.homeNumber = NumberField(FieldAt(fields, kTelNum));
  input.workNumber = NumberField(FieldAt(fields, kTelWork));
  input.cellNumber = NumberField(FieldAt(fields, kTelCell));
  input.faxNumber = NumberField(FieldAt(fields, kTelFax));
  input.email = CleanName(FieldAt(fields, kEmail));
  input.webAddress = CleanName(FieldAt(fields, kWebPage));
  return WithDialNumbers(std::move(input));
}

std::size_t ImportAddresses(WriteContext& context, ImportFeedback& feedback,
                            const std::filesystem::path& file, bool overwrite,
                            const EntryStored& stored, const LocalTime& now) {
  PhonebookStore& store = context.store;
  BoundedLineReader reader(file, kImportLineLimit);
  if (!reader.IsOpen()) {
    feedback.ReportMessage(kStrCantOpenFile);
    return 0;
  }
  if (!HeaderFits(reader, kExtendedCsvHeader, feedback)) return 0;
  std::size_t written = 0;
  TextLine line;
  while (reader.Next(line)) {
    const auto fields = DataFields(line);
    if (!fields) continue;
    const std::optional<AddressInput> input = AddressLine(*fields);
    if (!input) continue;
    int index = 0;
    if (overwrite) {
      index = ParsePosition((*fields)[kNr]) - 1;
      if (index < 0 || index > kLastAddressIndex) continue;
    } else {
      const auto free = store.freePositions.First(kFreePlaces);
      if (!free || store.entries.Full()) {
        feedback.ReportMessage(free ? kStrMaximumEntries : kStrNoFreeEntry);
        break;
      }
      index = free->value;
    }
    const std::optional<std::string> text = BuildAddressVCardText(*input, now);
    if (!text) {
      feedback.ReportMessage(kStrCantWriteObject);
      continue;
    }
    const Outcome object = objects::WriteObjectText(context.exchange, feedback,
                                                    objects::ObjectType::kVcf, index, *text);
    if (!object.done) {
      feedback.ReportMessage(kStrCantWriteObject);
      continue;
    }
    AddressCard card = ParseAddressVCard(*text, index + 1);
    StoreWrittenEntry(store, std::move(card.entry), &card.address, index, stored);
    ++written;
  }
  return written;
}

}  // namespace

std::size_t ImportCsv(WriteContext& context, ImportFeedback& feedback,
                      const std::filesystem::path& file, bool overwrite, const EntryStored& stored,
                      const LocalTime& now) {
  if (context.store.currentBook == Book::kInternal) {
    return ImportAddresses(context, feedback, file, overwrite, stored, now);
  }
  return ImportBook(context, feedback, file, overwrite, stored);
}

}  // namespace telvane::phonebook
