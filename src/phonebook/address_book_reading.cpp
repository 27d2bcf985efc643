#include "phonebook/address_book_reading.h"

#include "objects/binary_object.h"
#include "phonebook/vcard_reader.h"

namespace telvane::phonebook {
namespace {

// After a premature stop the indexes behind the last one read are taken as free, up to
// element 499 of the list and never beyond the last object index.
void AssumeFreeAfter(int index, FreePositionList& free) {
  for (int next = index + 1; next <= kLastAddressIndex; ++next) {
    if (!free.Append(next, kFreePlaces - 1)) break;
  }
}

}  // namespace

AddressBookRead ReadAddressBook(link::Exchange& exchange, PhonebookStore& store,
                                const ReadOptions& options, const ReadReport& report) {
  if (report.progress) report.progress(1);
  store.StartRead();
  store.capacity = BookCapacity{0, kLastAddressIndex, 30, 260};

  ReadProgress progress(report, kLastAddressIndex);
  int emptyObjects = 0;
  AddressBookRead result;
  for (int index = 0; index <= kLastAddressIndex; ++index) {
    const objects::ObjectRead read =
        objects::ReadObjectText(exchange, objects::ObjectType::kVcf, index, kVCardTextLimit);
    if (read.status == objects::ObjectRead::Status::kFailed ||
        read.status == objects::ObjectRead::Status::kBroken) {
      result.complete = false;
      const bool silent = PhoneSilent(exchange);
      if (silent || read.status == objects::ObjectRead::Status::kBroken) result.readError = true;
      if (silent) break;
    } else if (read.status == objects::ObjectRead::Status::kEmpty) {
      store.freePositions.Append(index);
      if (options.prematureStop && ++emptyObjects >= kEmptyObjectsBeforeStop) {
        AssumeFreeAfter(index, store.freePositions);
        break;
      }
    } else if (read.status == objects::ObjectRead::Status::kFound) {
      AddressCard card = ParseAddressVCard(read.bytes, index + 1);
      const std::size_t slot = store.entries.Count();
      if (!store.entries.Add(std::move(card.entry))) break;  // the table is full
      store.addresses.Set(slot, std::move(card.address));
      if (report.entryAdded) report.entryAdded(slot);
    }
    progress.At(index);
  }
  if (report.progress) report.progress(0);
  if (result.complete) store.completeBook = Book::kInternal;
  return result;
}

}  // namespace telvane::phonebook
