// A scripted phone with the phone book's state around it, and an import feedback that
// records the string ids of the failures reported.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "phonebook/fixed_dialling.h"
#include "phonebook/import_storing.h"
#include "phonebook/phonebook_store.h"
#include "support/scripted_phone_test.h"
#include "support/temp_dir.h"

namespace telvane::phonebook {

using testing::kOk;
using testing::Lines;

// Every field of an entry, an address or a book range, to compare them whole.
inline auto Fields(const PhonebookEntry& e) {
  return std::tuple(e.position, e.number, e.numberType, e.name);
}
inline auto Fields(const AddressEntry& a) {
  return std::tuple(a.position, a.homeNumberType, a.vip, a.firstName, a.lastName, a.company,
                    a.street, a.city, a.state, a.postalCode, a.country, a.workNumber, a.cellNumber,
                    a.faxNumber, a.email, a.webAddress);
}
inline auto Fields(const BookCapacity& c) {
  return std::tuple(c.first, c.last, c.numberLength, c.textLength);
}

class RecordingFeedback final : public ImportFeedback {
 public:
  void ShowProgress(unsigned) override {}
  void Pump() override {}
  void ReportFailure(const Outcome& failure) override { shown.push_back(failure.messageId); }

  std::vector<int> shown;
};

class PhoneBookTest : public testing::ScriptedPhoneTest {
 protected:
  // A book read with the given free places: SIM books hold positions 1..250.
  void LoadedBook(Book book, std::initializer_list<int> freePlaces) {
    store_.currentBook = book;
    store_.capacity =
        book == Book::kInternal ? BookCapacity{0, 500, 30, 260} : BookCapacity{1, 250, 24, 16};
    for (int place : freePlaces) store_.freePositions.Append(place);
  }
  // Writes with pin2_ as the PIN2 known; a PIN2 asked for is answered with answer_.
  WriteContext Context() {
    return WriteContext{exchange_, store_, pin2_, [this] {
                          ++asked_;
                          return answer_;
                        }};
  }

  testing::TempDir dir_;
  PhonebookStore store_;
  RecordingFeedback feedback_;
  std::optional<std::string> pin2_;
  std::optional<std::string> answer_ = "1234";
  int asked_ = 0;
};

}  // namespace telvane::phonebook
