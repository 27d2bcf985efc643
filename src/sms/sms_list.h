// Reading the SMS list: the overflow state (AT^SMGO?), every message as a PDU
// (AT+CMGL=4) and the memory's counters (AT+CPMS?), turned into the rows of the list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/exchange.h"
#include "phonebook/external_book.h"
#include "sms/message_listing.h"

namespace telvane::sms {

enum SmsStatus : int {
  kReceivedUnread = 0,
  kReceivedRead = 1,
  kStoredUnsent = 2,
  kStoredSent = 3,
};

// The cells of a row: index, status, date, number, name, text.
enum SmsColumn : int { kColIndex, kColStatus, kColDate, kColNumber, kColName, kColText };
inline constexpr int kSmsColumnCount = 6;

struct SmsListRow {
  std::array<std::string, kSmsColumnCount> cells;
  int position = 0;           // in reading order, from 0
  bool alphanumeric = false;  // the sender is text, not a number
};

inline constexpr int kStrReadError = 98;     // "Read error COM-port"
inline constexpr int kStrCantReadList = 78;  // "Can't read SMS list"

struct SmsListReading {
  int messageId = 0;  // 98: nothing was read; 78: the listing failed, the counters were read
  std::optional<int> overflowState;  // the state of "^SMGO:"
  std::vector<SmsListRow> rows;      // sorted by date, stored ones first
  int used = 0;
  int total = 0;
  bool Aborted() const { return messageId == kStrReadError; }
};

// The number as column 3 shows it: without its first seven characters when it holds
// "1232031" or "1232041".
std::string ShownNumber(std::string_view number);

// A decoded message as a row: number, name from the external book, status and text.
SmsListRow MakeSmsListRow(const ListedMessage& message, int position,
                          const phonebook::ExternalBookTable& book);

// The three reads, in this order; a failed AT^SMGO? stops before the other two.
SmsListReading ReadSmsList(link::Exchange& exchange, const phonebook::ExternalBookTable& book,
                           bool swapDate);

// Column -1: the reading positions; 0: the indexes as numbers; any other column: the
// cells byte by byte. Negative, zero or positive.
int CompareSmsRows(const SmsListRow& a, const SmsListRow& b, int column);

// The status line's text for an AT^SMGO state 0..2 in the language (English for any other
// language); empty for any other state.
std::string_view SmscOverflowText(int languageId, int state);

}  // namespace telvane::sms
