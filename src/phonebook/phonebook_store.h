// The phone books in memory: the book last read with its free places and deletions, the
// address details of the address book, the Redbook and the three call lists. Every table
// has a fixed capacity and refuses entries beyond it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "phonebook/phonebook_entry.h"

namespace telvane::phonebook {

inline constexpr std::size_t kPhonebookCapacity = 600;
inline constexpr std::size_t kRedbookCapacity = 30;
inline constexpr std::size_t kCallListCapacity = 10;
inline constexpr std::size_t kFreePlaces = 500;  // usable elements 1..500
inline constexpr std::size_t kDeletedCapacity = 500;
inline constexpr std::size_t kFieldLimit = 99;  // text fields of an address entry
inline constexpr std::size_t kVCardTextLimit = 1023;
inline constexpr int kLastAddressIndex = 500;  // object indexes 0..500

// The books the user works on; the value is also the book selector's item index.
enum class Book { kSim = 0, kInternal = 1, kSimFix = 2 };

// The address details of an address book entry, kept at the same slot as its entry.
struct AddressEntry {
  int position = 0;
  int homeNumberType = kNationalType;
  int vip = 0;
  std::string firstName{};
  std::string lastName{};
  std::string company{};
  std::string street{};
  std::string city{};
  std::string state{};
  std::string postalCode{};
  std::string country{};
  std::string workNumber{};
  std::string cellNumber{};
  std::string faxNumber{};
  std::string email{};
  std::string webAddress{};
};

// A list of entries that never grows beyond `Capacity`.
template <typename T, std::size_t Capacity>
class BoundedTable {
 public:
  static constexpr std::size_t kCapacity = Capacity;
  // False, and nothing added, when the table is full.
  bool Add(T item) {
    if (items_.size() >= Capacity) return false;
    items_.push_back(std::move(item));
    return true;
  }
  bool Full() const { return items_.size() >= Capacity; }
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  void Clear() { items_.clear(); }
  void Erase(std::size_t index) {
    if (index < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  }
  T& operator[](std::size_t index) { return items_.at(index); }
  const T& operator[](std::size_t index) const { return items_.at(index); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<T> items_;
};

using PhonebookTable = BoundedTable<PhonebookEntry, kPhonebookCapacity>;
using RedbookTable = BoundedTable<PhonebookEntry, kRedbookCapacity>;
using CallList = BoundedTable<PhonebookEntry, kCallListCapacity>;

// Address details by slot; a slot without details (a book read with AT+CPBR) is empty.
class AddressTable {
 public:
  static constexpr std::size_t kCapacity = kPhonebookCapacity;
  // Sets the details of `slot`; false when the slot is beyond the capacity.
  bool Set(std::size_t slot, AddressEntry entry);
  const AddressEntry* Find(std::size_t slot) const;
  void Clear() { slots_.clear(); }

 private:
  std::vector<AddressEntry> slots_;
};

enum class CallListKind { kOutgoing = 0, kIncoming = 1, kAccepted = 2 };

// The free places of the book last read: positions for AT+CPBR books, object indexes
// for the address book. Elements 1..500 are used; 0 marks an empty element, so object
// index 0 is never offered.
class FreePositionList {
 public:
  void Clear();
  // Appends behind the last element filled since the last Clear; false when full.
  bool Append(int place, std::size_t lastElement = kFreePlaces);
  // The first non-zero element among 1..`lastElement`: its element number and value.
  struct Place {
    std::size_t element = 0;
    int value = 0;
  };
  std::optional<Place> First(std::size_t lastElement = kFreePlaces) const;
  void ClearElement(std::size_t element);
  // Puts a freed place into the first empty element among 1..`lastElement`.
  bool Release(int place, std::size_t lastElement = kFreePlaces);
  int Element(std::size_t element) const { return element <= kFreePlaces ? elements_[element] : 0; }
  std::size_t Filled() const { return next_ - 1; }

 private:
  std::array<int, kFreePlaces + 1> elements_{};
  std::size_t next_ = 1;
};

// The range and lengths of the book last read.
struct BookCapacity {
  int first = 0;
  int last = 0;
  int numberLength = 0;
  int textLength = 0;
};

// Everything the phone book keeps for the run.
struct PhonebookStore {
  PhonebookTable entries;
  AddressTable addresses;
  RedbookTable redbook;
  std::array<CallList, 3> callLists;
  FreePositionList freePositions;
  BoundedTable<std::size_t, kDeletedCapacity> deletedEntries;  // PhonebookTable slots
  BookCapacity capacity;
  bool loaded = false;  // set when the window has finished its opening reads
  Book currentBook = Book::kInternal;
  // The book the entries hold from a read that reached its end in this run; changes made
  // since keep it. Empty before such a read and after a read that failed part-way.
  std::optional<Book> completeBook;

  std::size_t EntryCount() const { return entries.Count(); }
  // The slot of the entry at `position`, if the table holds one not deleted since.
  std::optional<std::size_t> SlotOf(int position) const;
  bool IsDeleted(std::size_t slot) const;
  // Clears the entries, their address details and the bookkeeping of the last read; the
  // entries hold no complete book until the read reaches its end.
  void StartRead();
  // True when the entries are the current book as read completely in this run.
  bool HoldsCompleteBook() const { return completeBook == currentBook; }
};

}  // namespace telvane::phonebook
