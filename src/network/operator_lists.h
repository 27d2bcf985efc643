// The operator lists of the net information window: the operators the phone knows by
// name (AT^SPLM), its preferred operators (AT^SPLR) and the networks a search finds
// (AT+COPS=?), with the changes made from them.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/answer_reader.h"
#include "link/exchange.h"

namespace telvane::network {

// Sized for a phone that knows every operator of its time (about 800) and more.
inline constexpr std::size_t kMaxKnownOperators = 1200;
inline constexpr std::size_t kMaxPreferredSlots = 50;
inline constexpr std::size_t kMaxFoundNetworks = 100;
// A network search takes 10 to 60 s; it may take up to this long.
inline constexpr std::chrono::seconds kSearchLimit{180};
inline constexpr std::string_view kEmptySlotName = "EMPTY";

struct KnownOperator {
  int code = 0;
  std::string name{};
};

// A preferred list entry with its index on the phone; code 0 is a free entry.
struct PreferredSlot {
  int index = 0;
  int code = 0;
  std::string name{};
};

struct FoundNetwork {
  int state = 0;  // 0 unknown, 1 available, 2 current, 3 forbidden
  int code = 0;
  std::string name{};
};

// One "^SPLM: "<code>","<name>"" line; none for any other line.
std::optional<KnownOperator> ParseKnownOperatorLine(std::string_view line);
// "^SPLR: (first-last)".
std::optional<link::NumberRange> ParsePreferredRange(std::string_view answer);
// The code of "^SPLR: <index>,"<code>"": 0 without a "^SPLR:" line (a free entry); none
// when the line is there but holds no code.
std::optional<int> ParsePreferredCode(std::string_view answer);
// "+COPS: (<state>,"<long>","<short>","<code>"),...,,(0-4),(0-2)": one entry per complete
// parenthesised group with a code, at most kMaxFoundNetworks.
std::vector<FoundNetwork> ParseFoundNetworks(std::string_view answer);

// The name of `code` among the known operators, empty when there is none.
std::string KnownName(const std::vector<KnownOperator>& known, int code);

// "AT^SPLM" read line by line (its answer may exceed the answer buffer); none when the
// command fails. At most kMaxKnownOperators records are kept.
std::optional<std::vector<KnownOperator>> ReadKnownOperators(link::Exchange& exchange);
// "AT^SPLR=?" then AT^SPLR=<i> for each index (at most kMaxPreferredSlots); an index
// whose command fails has no slot. None when the range cannot be read.
std::optional<std::vector<PreferredSlot>> ReadPreferredOperators(
    link::Exchange& exchange, const std::vector<KnownOperator>& known);
// AT+COPS=? with its own bound (first byte and whole answer); none when it fails. After a
// search that ran past the bound, "AT" is exchanged until no late search answer is left.
std::optional<std::vector<FoundNetwork>> SearchNetworks(
    link::Exchange& exchange, std::chrono::milliseconds limit = kSearchLimit);

// AT^SPLW=<index>,<code> and AT^SPLW=<index> (empties the entry).
bool WritePreferred(link::Exchange& exchange, int index, int code);
bool DeletePreferred(link::Exchange& exchange, int index);

// What the main window shows after a registration: the "+COPS:" line's rest and the
// "+CREG?" answer's last word.
struct Registered {
  std::optional<std::string> operatorText{};
  std::optional<std::string> registration{};
};
// AT+COPS=1,2,<code> (manual selection of that network), then AT+COPS=3,0, AT+COPS? and
// AT+CREG?; none when the selection is refused.
std::optional<Registered> RegisterWith(link::Exchange& exchange, int code);

}  // namespace telvane::network
