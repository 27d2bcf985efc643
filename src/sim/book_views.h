// Every phone book as the phone book commands see it: the stored books, the address book
// (ME) taken from the vCard objects, and the Redbook (RD) of marked entries.
#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "sim/phone_state.h"

namespace telvane::sim {

// The books AT^SPBS selects, in the order its test form lists them; AT+CPBS knows all
// but RD.
inline constexpr std::string_view kBookCodes[] = {"SM", "FD", "ME", "RD", "ON", "LD", "MC", "RC"};

inline constexpr int kRedbookCapacity = 30;

bool IsBookCode(std::string_view code);

// The last position of a book (positions start at 1).
int BookCapacity(const PhoneState& state, std::string_view code);

// The entry at a position, or nothing when it is empty.
std::optional<BookEntry> BookEntryAt(const PhoneState& state, std::string_view code, int position);

int BookEntriesUsed(const PhoneState& state, std::string_view code);

// The address book entry of one vCard object: the N value as name (as GSM codes), the home
// number (else the first TEL number).
BookEntry AddressBookEntry(std::string_view vcard);

// The Redbook: SIM and fixed-dialling entries whose name ends with "!", then address book
// cards in the category VIP, numbered from 1; at most 30.
std::vector<BookEntry> RedbookEntries(const PhoneState& state);

}  // namespace telvane::sim
