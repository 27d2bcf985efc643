#include "sms/message_listing.h"

#include "gsm/listed_pdu.h"
#include "link/answer_reader.h"

namespace telvane::sms {
namespace {

constexpr std::string_view kEntryHeader = "+CMGL:";

}  // namespace

std::vector<ListedMessage> ParseMessageListing(std::string_view answer, bool swapDate) {
  std::vector<ListedMessage> messages;
  link::AnswerCursor cursor(answer);
  while (auto header = cursor.LineAfter(kEntryHeader)) {
    const auto index = header->Number();
    const int status = header->SkipPast(',') ? header->Number().value_or(0) : 0;
    cursor.SkipLineBreaks();
    // The next header is not taken for a PDU line.
    if (!index || cursor.AtEnd() || cursor.StartsWith(kEntryHeader)) continue;
    const gsm::ListedPdu decoded = gsm::DecodeListedPdu(cursor.Line(), status, swapDate);
    messages.push_back({*index, status, decoded.number, decoded.addressType, decoded.date,
                        decoded.text, decoded.statusReport});
  }
  return messages;
}

}  // namespace telvane::sms
