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
    const bool indexEnded = header->SkipPast(',');
    // The status counts only when a "," ends it on the header line.
    link::AnswerCursor statusEnd = *header;
    const int status = statusEnd.SkipPast(',') ? header->Number().value_or(-1) : -1;
    const bool hasStatus = status >= 0;
    cursor.SkipLineBreaks();
    // The next header is not taken for a PDU line; a storage index is never negative.
    if (!index || *index < 0 || !indexEnded || cursor.AtEnd() || cursor.StartsWith(kEntryHeader))
      continue;
    const gsm::ListedPdu decoded =
        gsm::DecodeListedPdu(cursor.Line(), hasStatus ? status : 0, swapDate);
    messages.push_back({*index, hasStatus ? status : 0, hasStatus ? std::to_string(status) : "",
                        decoded.number, decoded.addressType, decoded.date, decoded.text,
                        decoded.statusReport});
  }
  return messages;
}

}  // namespace telvane::sms
