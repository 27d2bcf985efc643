#include "services/call_forwarding.h"

#include "link/answer_reader.h"

namespace telvane::services {
namespace {

constexpr std::string_view kRecordPrefix = "+CCFC:";

// The text of the record the cursor stands in, up to the next "+CCFC:"; the cursor moves
// to that prefix (or to the end).
std::string_view TakeRecord(link::AnswerCursor& cursor) {
  const std::string_view rest = cursor.Rest();
  link::AnswerCursor next = cursor;
  if (!next.SkipTo(kRecordPrefix)) {
    cursor = link::AnswerCursor(rest.substr(rest.size()));
    return rest;
  }
  const std::size_t length = rest.size() - next.Rest().size() - kRecordPrefix.size();
  cursor = link::AnswerCursor(rest.substr(length));
  return rest.substr(0, length);
}

std::optional<ForwardingRecord> ReadRecord(std::string_view text) {
  link::AnswerCursor cursor(text);
  ForwardingRecord record;
  const auto status = cursor.Number();
  if (!status || !cursor.SkipPast(',')) return std::nullopt;
  const auto classCode = cursor.Number();
  if (!classCode) return std::nullopt;
  record.status = *status;
  record.classCode = *classCode;
  link::AnswerCursor quoted = cursor;
  if (quoted.MoveTo('"')) {
    if (const auto number = quoted.Quoted()) record.number = std::string(*number);
  }
  // <number>,<type>,<subaddress>,<subaddress type>,<time>: the time behind the fifth comma,
  // blanks around the commas allowed.
  bool atTime = true;
  for (int comma = 0; comma < 5 && atTime; ++comma) atTime = cursor.SkipPast(',');
  if (atTime) record.delay = cursor.Number();
  return record;
}

}  // namespace

std::vector<ForwardingRecord> ReadForwardingRecords(std::string_view answer) {
  std::vector<ForwardingRecord> records;
  link::AnswerCursor cursor(answer);
  while (cursor.SkipTo(kRecordPrefix)) {
    if (const auto record = ReadRecord(TakeRecord(cursor))) records.push_back(*record);
  }
  return records;
}

std::optional<std::vector<ForwardingRecord>> QueryForwarding(link::Exchange& exchange, int reason) {
  if (!exchange.SendCommand("AT+CCFC=" + std::to_string(reason) + ",2")) return std::nullopt;
  return ReadForwardingRecords(exchange.Answer());
}

bool IsForwardingNumber(std::string_view number) {
  if (number.size() > kForwardNumberLimit) return false;
  const std::string_view dialled = number.starts_with('+') ? number.substr(1) : number;
  return !dialled.empty() && dialled.find_first_not_of("0123456789*#") == std::string_view::npos;
}

std::string ForwardingCommand(int reason, int mode, std::string_view number, int classCode,
                              int delay) {
  const int rounded = delay < 5 ? 0 : delay - delay % 5;
  std::string command = "AT+CCFC=" + std::to_string(reason) + "," + std::to_string(mode) + "," +
                        std::string(number) + "," + (number.starts_with('+') ? "145" : "129") +
                        "," + std::to_string(classCode);
  if (rounded != 0) command += ",,," + std::to_string(rounded);
  return command;
}

}  // namespace telvane::services
