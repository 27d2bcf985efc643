#include "sms/sms_list.h"

#include <algorithm>

#include "base/decimal.h"
#include "gsm/address_codec.h"
#include "link/answer_reader.h"
#include "sms/sender_lookup.h"

namespace telvane::sms {
namespace {

constexpr std::string_view kGatewayMarks[] = {"1232031", "1232041"};
constexpr std::size_t kGatewayMarkLength = 7;

struct OverflowTexts {
  int languageId;
  std::array<std::string_view, 3> texts;
};

// ISO 8859-1 text, as everywhere inside the program.
constexpr OverflowTexts kOverflowTexts[] = {
    {9, {"Space available", "Buffer full", "Buffer full msg. waiting"}},
    {7, {"Platz vorhanden", "Puffer voll", "Puffer voll wartende Meld."}},
    {10, {"Memoria libre", "Memoria llena", "Memoria llena esperando msg."}},
    {12,
     {"Espace disponible", "M\xE9moire tampon pleine",
      "M\xE9moire tampon pleine, message en attente"}},
    {16, {"Spazio disponibile", "Memoria piena", "Memoria piena mess. in attesa"}},
    {19, {"Ruimte beschikbaar", "Buffer vol", "Buffer vol bericht wacht"}},
    {20, {"Ledig plass", "Buffer full", "Buffer full msg. venter"}},
    {22, {"Espa\xE7o Dispon\xEDvel", "Buffer Cheio", "Buffer Cheio, Msg. em Espera"}},
};

// The number after the next "," on the line.
std::optional<int> NumberAfterComma(link::AnswerCursor& cursor) {
  return cursor.SkipPast(',') ? cursor.Number() : std::nullopt;
}

std::optional<int> OverflowState(std::string_view answer) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("^SMGO:");
  return line ? NumberAfterComma(*line) : std::nullopt;
}

void ReadCounters(std::string_view answer, SmsListReading& reading) {
  link::AnswerCursor cursor(answer);
  auto line = cursor.LineAfter("+CPMS:");
  if (!line) return;
  reading.used = NumberAfterComma(*line).value_or(0);
  reading.total = NumberAfterComma(*line).value_or(0);
}

}  // namespace

std::string ShownNumber(std::string_view number) {
  for (std::string_view mark : kGatewayMarks) {
    if (number.find(mark) != std::string_view::npos) {
      return std::string(number.substr(kGatewayMarkLength));
    }
  }
  return std::string(number);
}

SmsListRow MakeSmsListRow(const ListedMessage& message, int position,
                          const phonebook::ExternalBookTable& book) {
  SmsListRow row;
  row.position = position;
  row.alphanumeric = gsm::IsAlphanumericAddress(message.addressType);
  row.cells[kColIndex] = std::to_string(message.index);
  row.cells[kColStatus] = message.statusCell;
  row.cells[kColDate] = message.timestamp;
  row.cells[kColNumber] = row.alphanumeric ? message.sender : ShownNumber(message.sender);
  row.cells[kColName] =
      NameForKey(book, ListLookupKey(message.sender, message.addressType)).value_or("");
  row.cells[kColText] = message.text;
  return row;
}

SmsListReading ReadSmsList(link::Exchange& exchange, const phonebook::ExternalBookTable& book,
                           bool swapDate) {
  SmsListReading reading;
  if (!exchange.SendCommand("AT^SMGO?")) {
    reading.messageId = kStrReadError;
    return reading;
  }
  reading.overflowState = OverflowState(exchange.Answer());

  if (exchange.SendCommand("AT+CMGL=4")) {
    int position = 0;
    for (const ListedMessage& message : ParseMessageListing(exchange.Answer(), swapDate)) {
      reading.rows.push_back(MakeSmsListRow(message, position++, book));
    }
  } else {
    reading.messageId = kStrCantReadList;
  }

  if (exchange.SendCommand("AT+CPMS?")) ReadCounters(exchange.Answer(), reading);

  std::stable_sort(
      reading.rows.begin(), reading.rows.end(),
      [](const SmsListRow& a, const SmsListRow& b) { return CompareSmsRows(a, b, kColDate) < 0; });
  return reading;
}

int CompareSmsRows(const SmsListRow& a, const SmsListRow& b, int column) {
  if (column < 0 || column >= kSmsColumnCount) {
    return a.position < b.position ? -1 : (a.position > b.position ? 1 : 0);
  }
  const std::string& left = a.cells[static_cast<std::size_t>(column)];
  const std::string& right = b.cells[static_cast<std::size_t>(column)];
  if (column == kColIndex) {
    const int l = base::LeadingDecimal(left).value_or(0);
    const int r = base::LeadingDecimal(right).value_or(0);
    return l < r ? -1 : (l > r ? 1 : 0);
  }
  // Byte order: bytes above 0x7F after the ASCII ones.
  const int order = std::string_view(left).compare(right);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

std::string_view SmscOverflowText(int languageId, int state) {
  if (state < 0 || state > 2) return {};
  const OverflowTexts* chosen = &kOverflowTexts[0];
  for (const OverflowTexts& texts : kOverflowTexts) {
    if (texts.languageId == languageId) chosen = &texts;
  }
  return chosen->texts[static_cast<std::size_t>(state)];
}

}  // namespace telvane::sms
