// Reading the books from the phone into the store: the AT+CPBR books (SIM, SIM fix),
// the own numbers, the Redbook and the call lists. The window sees each entry added and
// the progress through `ReadReport`; the store is filled whether or not it listens.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "link/exchange.h"
#include "phonebook/phonebook_store.h"

namespace telvane::config {
struct Settings;
}

namespace telvane::phonebook {

// A read never asks for more positions than its tables and free list can take.
inline constexpr int kMaxPositionsRead = static_cast<int>(kPhonebookCapacity + kFreePlaces);

struct ReadOptions {
  bool prematureStop = false;  // setting "ReadB": stop early on empty places
};
ReadOptions ReadOptionsFrom(const config::Settings& settings);

struct ReadReport {
  // A table slot was filled (PhonebookTable for the books, RedbookTable for the
  // Redbook, the call list for a call list); the window appends its row and pumps.
  std::function<void(std::size_t slot)> entryAdded;
  // The read's progress in percent, reported when it changes.
  std::function<void(int percent)> progress;
};

// True when the last exchange got no answer at all. Every read stops at once then rather
// than wait out each further position in turn.
bool PhoneSilent(const link::Exchange& exchange);

// "AT^SPBS=SM", "AT^SPBS=ME" or "AT^SPBS=FD".
std::string_view SelectCommand(Book book);
// Sends the select command of the store's current book; true when the phone took it.
bool SelectBook(link::Exchange& exchange, Book book);

enum class ReadResult {
  kRead,        // the book was read to its end (or to a premature stop)
  kNotStarted,  // the range query failed; the tables keep what they held
  kBroken,      // an exchange failed part-way; the table was emptied
};

// Reads the book selected on the phone with AT+CPBR=? and AT+CPBR=<p> into the store.
ReadResult ReadPhonebook(link::Exchange& exchange, PhonebookStore& store,
                         const ReadOptions& options, const ReadReport& report = {});

// Own numbers 1..6 (the window's six labels); `selected` false when "AT+CPBS=ON" failed
// or the phone gave no answer.
struct OwnNumbers {
  bool selected = false;
  std::array<std::string, 6> numbers;
};
OwnNumbers ReadOwnNumbers(link::Exchange& exchange);

// Reads the Redbook (AT^SPBS=RD, AT^SPBG). False when the book could not be selected or
// the phone gave no answer.
bool ReadRedbook(link::Exchange& exchange, PhonebookStore& store, const ReadReport& report = {});

// Reads a call list (AT+CPBS=LD, MC or RC). False when the list could not be selected or
// the phone gave no answer.
bool ReadCallList(link::Exchange& exchange, PhonebookStore& store, CallListKind kind,
                  const ReadReport& report = {});
// The list box line of a call list entry: "name, number" through GsmToLatin.
std::string CallListLine(const PhonebookEntry& entry);

// Turns positions into percent steps for a ReadReport.
class ReadProgress {
 public:
  ReadProgress(const ReadReport& report, int last) : report_(report), last_(last) {}
  void At(int position);

 private:
  const ReadReport& report_;
  int last_;
  int shown_ = 0;
};

}  // namespace telvane::phonebook
