// One look at the radio network, as the net monitor takes it at each refresh: operator
// name and numeric code, registration with area and cell, signal quality, the phone's
// activity and its current calls. The parsers read one answer each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/exchange.h"

namespace telvane::network {

// GSM allows seven calls in a conference and one waiting; more rows are not kept.
inline constexpr std::size_t kMaxCalls = 16;

struct CallRow {
  int id = 0;
  int direction = 0;  // 0 made by the phone, 1 received
  int state = 0;
  int mode = 0;
  std::string number{};  // without its quotes; empty when the phone gave none
};

struct Registration {
  int state = 0;
  std::optional<int> lac{};
  std::optional<int> cell{};
};

// What one refresh read. A value that could not be read is none; an operator name or
// network code that is none clears its field, the other fields keep what they showed.
struct NetReading {
  std::optional<std::string> operatorName{};
  std::optional<int> networkCode{};
  std::optional<Registration> registration{};
  std::optional<int> signalQuality{};
  std::optional<int> activity{};
  std::vector<CallRow> calls{};
};

// The text in the first pair of double quotes of the "+COPS:" line.
std::optional<std::string> ParseOperatorName(std::string_view answer);
// The number in the third field of the "+COPS:" line (quoted or not); none without one.
std::optional<int> ParseNetworkCode(std::string_view answer);
// "+CREG: <mode>,<state>[,"<lac>","<cell>"]", area and cell in 1 to 4 hex digits.
std::optional<Registration> ParseRegistration(std::string_view answer);
// The first value of "+CSQ:" when it is 0..31 or 99.
std::optional<int> ParseSignalQuality(std::string_view answer);
std::optional<int> ParseActivity(std::string_view answer);
// One row per complete "+CLCC:" line, at most kMaxCalls.
std::vector<CallRow> ParseCalls(std::string_view answer);

// Sends, in this order: AT+COPS?, AT+COPS=3,2, AT+COPS? (only when the format was set),
// AT+COPS=3,0, AT+CREG?, AT+CSQ, AT+CPAS and, when the activity is not 0, AT+CLCC.
NetReading ReadNetStatus(link::Exchange& exchange);

}  // namespace telvane::network
