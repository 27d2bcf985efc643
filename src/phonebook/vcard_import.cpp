#include "phonebook/vcard_import.h"

#include "phonebook/address_entry_writing.h"
#include "phonebook/entry_writing.h"
#include "phonebook/phonebook_messages.h"

namespace telvane::phonebook {
namespace {

// Outcomes after which no further card can be written.
bool EndsImport(const Outcome& outcome, Book book) {
  if (outcome.done) return false;
  switch (outcome.messageId) {
    case 0:  // the PIN2 dialog was cancelled
      return book != Book::kInternal;
    case kStrMaximumEntries:
    case kStrNoFreeEntry:
    case kStrInvalidPin2:
    case kStrPin2Rejected: return true;
    default: return false;
  }
}

std::string SimpleNumber(const VcardContact& card) {
  for (const std::string* number : {&card.cellNumber, &card.homeNumber, &card.workNumber}) {
    if (!number->empty()) return *number;
  }
  return {};
}

}  // namespace

bool IsVcardFileName(std::string_view name) {
  return name.find(".vcf") != std::string_view::npos || name.find(".VCF") != std::string_view::npos;
}

AddressInput AddressInputFromCard(const VcardContact& card) {
  AddressInput input;
  input.lastName =
      card.lastName.empty() && card.firstName.empty() ? card.formattedName : card.lastName;
  input.firstName = card.firstName;
  input.company = card.company;
  input.street = card.street;
  input.city = card.city;
  input.postalCode = card.postalCode;
  input.country = card.country;
  input.homeNumber = card.homeNumber;
  input.workNumber = card.workNumber;
  input.cellNumber = card.cellNumber;
  input.faxNumber = card.faxNumber;
  input.email = card.email;
  input.webAddress = card.webAddress;
  return input;
}

std::size_t ImportDroppedFiles(WriteContext& context, ImportFeedback& feedback,
                               std::span<const std::filesystem::path> files,
                               const EntryStored& stored, const LocalTime& now) {
  std::size_t written = 0;
  bool ended = false;
  const auto writeCard = [&](const VcardContact& card) {
    Outcome outcome;
    if (context.store.currentBook == Book::kInternal) {
      const AddressInput input = AddressInputFromCard(card);
      if (input.lastName.empty() && input.firstName.empty() && input.homeNumber.empty() &&
          input.cellNumber.empty()) {
        return true;
      }
      outcome = SaveAddressEntry(context.exchange, feedback, context.store, input,
                                 AddressSource::kImport, 0, 0, now);
    } else {
      const EntryInput input{card.DisplayName(), SimpleNumber(card)};
      if (input.name.empty() || input.number.empty()) return true;
      outcome = WriteEntry(context, input, 0, 0, EntrySource::kImport);
    }
    if (outcome.messageId != 0) feedback.ReportFailure(outcome);
    if (outcome.done) {
      ++written;
      if (stored) stored(outcome.slot, true);
    }
    ended = EndsImport(outcome, context.store.currentBook);
    return !ended;
  };
  for (const std::filesystem::path& file : files) {
    if (!IsVcardFileName(file.filename().string())) continue;
    if (!ReadVcardFile(file, writeCard)) feedback.ReportMessage(kStrCantOpenFile);
    if (ended) break;
  }
  return written;
}

}  // namespace telvane::phonebook
