// Call forwarding with AT+CCFC: the query of one reason, its records, and the commands
// that enable, disable, register and erase a forwarding for one bearer class.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/exchange.h"

namespace telvane::services {

// AT+CCFC <mode> of the dialog's four buttons.
inline constexpr int kForwardDisable = 0;
inline constexpr int kForwardEnable = 1;
inline constexpr int kForwardRegister = 3;
inline constexpr int kForwardErase = 4;

// The reasons the dialog offers: 0 unconditional, 1 busy, 2 no reply, 3 not reachable.
inline constexpr int kReasonCount = 4;
inline constexpr int kReasonNoReply = 2;

// A forwarding number: an optional leading "+", then digits, "*" and "#".
inline constexpr std::size_t kForwardNumberLimit = 40;

struct ForwardingRecord {
  int status = 0;
  int classCode = 0;
  std::string number{};        // between the record's first pair of quotes
  std::optional<int> delay{};  // the number after ",,,"
};

// Every "+CCFC:" record of a query answer; a record ends at the next "+CCFC:", and its
// number and delay are looked for only inside it. Records without status or class are
// left out.
std::vector<ForwardingRecord> ReadForwardingRecords(std::string_view answer);

// Sends AT+CCFC=<reason>,2; the records of the answer, none when the phone refused.
std::optional<std::vector<ForwardingRecord>> QueryForwarding(link::Exchange& exchange, int reason);

// True when `number` may stand unquoted in a command (see kForwardNumberLimit).
bool IsForwardingNumber(std::string_view number);

// AT+CCFC=<reason>,<mode>,<number>,<type>,<class>[,,,<delay>], the delay rounded down to a
// multiple of 5 and left out when that gives 0; type 145 for a "+" number, else 129.
// The number must pass IsForwardingNumber.
std::string ForwardingCommand(int reason, int mode, std::string_view number, int classCode,
                              int delay);

}  // namespace telvane::services
