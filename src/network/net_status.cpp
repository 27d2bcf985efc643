#include "network/net_status.h"

#include "base/decimal.h"
#include "gsm/hex.h"
#include "link/answer_reader.h"

namespace telvane::network {
namespace {

// 1 to 4 hex digits and nothing else.
std::optional<int> HexField(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    const int digit = gsm::HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value * 16 + digit;
  }
  return value;
}

std::optional<int> QuotedHex(link::AnswerCursor& line) {
  if (!line.SkipPast(',')) return std::nullopt;
  const auto text = line.Quoted();
  return text ? HexField(*text) : std::nullopt;
}

std::optional<int> NumberField(link::AnswerCursor& line) {
  return line.SkipPast(',') ? line.Number() : std::nullopt;
}

std::optional<CallRow> ParseCallLine(link::AnswerCursor line) {
  const auto id = line.Number();
  const auto direction = NumberField(line);
  const auto state = NumberField(line);
  const auto mode = NumberField(line);
  if (!id || !direction || !state || !mode) return std::nullopt;
  CallRow row{*id, *direction, *state, *mode};
  if (NumberField(line) && line.SkipPast(',')) {
    if (const auto number = line.Quoted()) row.number = std::string(*number);
  }
  return row;
}

}  // namespace

std::optional<std::string> ParseOperatorName(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("+COPS:");
  if (!line || !line->MoveTo('"')) return std::nullopt;
  const auto name = line->Quoted();
  if (!name) return std::nullopt;
  return std::string(*name);
}

std::optional<int> ParseNetworkCode(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("+COPS:");
  if (!line || !line->SkipPast(',') || !line->SkipPast(',')) return std::nullopt;
  std::optional<int> code;
  if (const auto quoted = line->Quoted()) {
    code = base::LeadingDecimal(*quoted);
  } else {
    code = line->Number();
  }
  if (!code || *code <= 0) return std::nullopt;
  return code;
}

std::optional<Registration> ParseRegistration(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("+CREG:");
  if (!line || !line->Number()) return std::nullopt;
  const auto state = NumberField(*line);
  if (!state) return std::nullopt;
  Registration registration{*state};
  registration.lac = QuotedHex(*line);
  if (registration.lac) registration.cell = QuotedHex(*line);
  return registration;
}

std::optional<int> ParseSignalQuality(std::string_view answer) {
  const auto quality = link::NumberAfter(answer, "+CSQ:");
  if (!quality || !(*quality == 99 || (*quality >= 0 && *quality <= 31))) return std::nullopt;
  return quality;
}

std::optional<int> ParseActivity(std::string_view answer) {
  const auto activity = link::NumberAfter(answer, "+CPAS:");
  if (!activity || *activity < 0) return std::nullopt;
  return activity;
}

std::vector<CallRow> ParseCalls(std::string_view answer) {
  std::vector<CallRow> calls;
  link::AnswerCursor cursor(answer);
  while (calls.size() < kMaxCalls) {
    const auto line = cursor.LineAfter("+CLCC:");
    if (!line) break;
    if (auto row = ParseCallLine(*line)) calls.push_back(std::move(*row));
  }
  return calls;
}

NetReading ReadNetStatus(link::Exchange& exchange) {
  NetReading reading;
  if (exchange.SendCommand("AT+COPS?")) reading.operatorName = ParseOperatorName(exchange.Answer());
  if (exchange.SendCommand("AT+COPS=3,2") && exchange.SendCommand("AT+COPS?")) {
    reading.networkCode = ParseNetworkCode(exchange.Answer());
  }
  exchange.SendCommand("AT+COPS=3,0");
  if (exchange.SendCommand("AT+CREG?")) reading.registration = ParseRegistration(exchange.Answer());
  if (exchange.SendCommand("AT+CSQ")) reading.signalQuality = ParseSignalQuality(exchange.Answer());
  if (exchange.SendCommand("AT+CPAS")) reading.activity = ParseActivity(exchange.Answer());
  if (reading.activity.value_or(0) != 0 && exchange.SendCommand("AT+CLCC")) {
    reading.calls = ParseCalls(exchange.Answer());
  }
  return reading;
}

}  // namespace telvane::network
