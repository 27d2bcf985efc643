#include "phonebook/address_entry_writing.h"

#include "objects/binary_object.h"
#include "phonebook/address_book_reading.h"
#include "phonebook/entry_command.h"
#include "phonebook/phonebook_messages.h"

namespace telvane::phonebook {
namespace {

Outcome Refused(int messageId) { return Outcome{false, messageId, 0}; }

// The address details kept in the table for what was written.
AddressEntry DetailsOf(const AddressInput& input, AddressSource source, int position,
                       int numberType) {
  AddressEntry details;
  details.position = position;
  details.homeNumberType = numberType;
  details.vip = source == AddressSource::kDialog && input.vip ? 1 : 0;
  details.firstName = CutTo(CleanName(input.firstName), kFieldLimit);
  details.lastName = CutTo(CleanName(input.lastName), kFieldLimit);
  details.company = CutTo(CleanName(input.company), kFieldLimit);
  details.street = CutTo(CleanName(input.street), kFieldLimit);
  details.city = CutTo(CleanName(input.city), kFieldLimit);
  if (source == AddressSource::kDialog) details.state = CutTo(CleanName(input.state), kFieldLimit);
  details.postalCode = CutTo(CleanName(input.postalCode), kFieldLimit);
  details.country = CutTo(CleanName(input.country), kFieldLimit);
  details.workNumber = CutTo(input.workNumber, kNumberLimit);
  details.cellNumber = CutTo(input.cellNumber, kNumberLimit);
  details.faxNumber = CutTo(input.faxNumber, kNumberLimit);
  details.email = CutTo(CleanName(input.email), kFieldLimit);
  details.webAddress = CutTo(CleanName(input.webAddress), kFieldLimit);
  return details;
}

}  // namespace

std::optional<AddressInput> WithDialNumbers(AddressInput input) {
  for (std::string* number :
       {&input.homeNumber, &input.workNumber, &input.cellNumber, &input.faxNumber}) {
    std::optional<std::string> dial = DialNumber(*number);
    if (!dial) return std::nullopt;
    *number = std::move(*dial);
  }
  return input;
}

Outcome BuildAddressVCard(link::Exchange& exchange, objects::TransferFeedback& feedback,
                          const AddressInput& input, int position, const LocalTime& now) {
  const std::optional<std::string> text = BuildAddressVCardText(input, now);
  if (!text || position < 1) return Refused(kStrCantWriteNew);
  Outcome written =
      objects::WriteObjectText(exchange, feedback, objects::ObjectType::kVcf, position - 1, *text);
  if (!written.done) written.messageId = kStrCantWriteNew;
  return written;
}

std::string AddressListName(const AddressInput& input) {
  std::string name = CleanName(input.lastName);
  if (const std::string first = CleanName(input.firstName); !first.empty()) name += ";" + first;
  return CutTo(name, kNameLimit);
}

Outcome SaveAddressEntry(link::Exchange& exchange, objects::TransferFeedback& feedback,
                         PhonebookStore& store, const AddressInput& typed, AddressSource source,
                         int position, std::size_t slot, const LocalTime& now) {
  if (source == AddressSource::kDialog && CleanName(typed.lastName).empty()) {
    return Refused(kStrEnterName);
  }
  // Text that is no number is refused, never filtered into another number.
  const std::optional<AddressInput> dialled = WithDialNumbers(typed);
  if (!dialled) return Refused(kStrEnterNumber);
  const AddressInput& input = *dialled;
  PhonebookEntry entry;
  entry.name = AddressListName(input);
  entry.number = input.homeNumber;
  if (source == AddressSource::kDialog) {
    if (entry.number.empty()) return Refused(kStrEnterNumber);
  } else if (entry.number.empty()) {
    entry.number = input.cellNumber;
  }
  entry.number = CutTo(entry.number, kNumberLimit);
  entry.numberType = NumberTypeOf(entry.number);

  if (position == 0) {
    if (store.entries.Full()) return Refused(kStrMaximumEntries);
    const auto free = store.freePositions.First(kFreePlaces);
    if (!free) return Refused(kStrNoFreeEntry);
    entry.position = free->value + 1;
    if (Outcome written = BuildAddressVCard(exchange, feedback, input, entry.position, now);
        !written.done) {
      return written;
    }
    const std::size_t newSlot = store.EntryCount();
    store.addresses.Set(newSlot, DetailsOf(input, source, entry.position, entry.numberType));
    store.entries.Add(std::move(entry));
    store.freePositions.ClearElement(free->element);
    return Outcome{true, 0, newSlot};
  }

  if (source != AddressSource::kDialog || slot >= store.EntryCount()) {
    return Refused(kStrEntryNotFound);
  }
  entry.position = position;
  if (Outcome written = BuildAddressVCard(exchange, feedback, input, position, now);
      !written.done) {
    return written;
  }
  store.addresses.Set(slot, DetailsOf(input, source, position, entry.numberType));
  store.entries[slot] = std::move(entry);
  return Outcome{true, 0, slot};
}

Outcome DeleteAddressEntry(link::Exchange& exchange, PhonebookStore& store, int position) {
  const auto slot = store.SlotOf(position);
  if (!slot || position < 1) return Refused(kStrEntryNotFound);
  if (!objects::EraseBinaryObject(exchange, objects::ObjectType::kVcf, position - 1)) {
    return Refused(kStrCantDelete);
  }
  store.freePositions.Release(position - 1);
  store.deletedEntries.Add(*slot);
  return Outcome{true, 0, *slot};
}

void DeleteAddressBook(link::Exchange& exchange, PhonebookStore& store, const ReadOptions& options,
                       const ReadReport& report) {
  for (int index = 0; index <= kLastAddressIndex; ++index) {
    objects::EraseBinaryObject(exchange, objects::ObjectType::kVcf, index);
  }
  ReadAddressBook(exchange, store, options, report);
}

}  // namespace telvane::phonebook
