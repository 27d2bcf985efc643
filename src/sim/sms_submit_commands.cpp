// Sending (AT+CMGS) an SMS-SUBMIT and storing (AT+CMGW) a message in PDU mode: the command
// announces the transfer part's length, the phone prompts with "> " and takes the PDU line
// up to Ctrl-Z (ESC cancels). Stored received messages are SMS-DELIVERs, stored outgoing
// ones SMS-SUBMITs, as GSM 07.05 has them.
#include <string>

#include "gsm/hex.h"
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/sms_delivery.h"
#include "sim/sms_message_store.h"
#include "sim/sms_pdu_check.h"

namespace telvane::sim {
namespace {

constexpr int kReceivedUnread = 0;
constexpr int kStoredUnsent = 2;
constexpr int kStoredSent = 3;
constexpr int kStoresStatusReports = 2;  // AT+CNMI <ds>

// The phone's own error for each reason a PDU line is refused.
Reply Refused(PduRefusal refusal) {
  switch (refusal) {
    case PduRefusal::kBadCharacter: return Reply::Cms(CmsError::kBadPduCharacter);
    case PduRefusal::kCentreLength: return Reply::Cms(CmsError::kCentreLength);
    case PduRefusal::kLength: return Reply::Cms(CmsError::kPduLength);
    case PduRefusal::kFields: return Reply::Cms(CmsError::kUserDataLength);
    case PduRefusal::kWrongType: return Reply::Cms(CmsError::kWrongMessageType);
    case PduRefusal::kNone: break;
  }
  return Reply::Cms(CmsError::kInvalidPduParameter);
}

bool IsReceivedStatus(int status) { return status < kStoredUnsent; }

// The <length> parameter: a number, refused before the prompt when no PDU of the kind the
// status calls for (SMS-DELIVER for received, SMS-SUBMIT for stored) can have it.
std::optional<int> ParseLength(std::string_view parameter, int status, Reply& refusal) {
  const auto length = ParseNumber(parameter);
  if (!length) {
    refusal = Reply::Error();
    return std::nullopt;
  }
  const bool received = IsReceivedStatus(status);
  if (*length < (received ? kMinDeliverOctets : kMinSubmitOctets) ||
      *length > (received ? kMaxDeliverOctets : kMaxSubmitOctets)) {
    refusal = Reply::Cms(CmsError::kPduLength);
    return std::nullopt;
  }
  return length;
}

bool Registered(CommandContext& context) {
  const int registration = context.State().status.registration;
  return context.SessionSettings().functionality != 0 && (registration == 1 || registration == 5);
}

// What the network brings back for a sent message: the message itself when it went to one of
// the phone's own numbers, then the status report when one was asked for and AT+CNMI <ds> 2
// has the phone store it.
void DeliverReturns(CommandContext& context, const SubmitPdu& submit, int reference) {
  PhoneState& state = context.State();
  const std::string clock = context.Clock().Read(context.Now());
  if (auto own = OwnNumberDelivery(state, submit, clock)) {
    DeliverMessage(state, std::move(*own));
  }
  if (submit.WantsStatusReport() && state.messageIndications[3] == kStoresStatusReports) {
    DeliverMessage(state, StatusReport(state, submit, reference, clock));
  }
}

// The PDU line of AT+CMGS: sent when well formed, the network is there and a service centre
// is known (in the PDU or, with an empty centre field, the phone's own).
Reply SendPdu(CommandContext& context, int length, std::string_view hex) {
  PduRefusal refusal = PduRefusal::kNone;
  const auto submit = ParseSubmitPdu(hex, length, &refusal);
  if (!submit) {
    return Refused(refusal);
  }
  if (!Registered(context)) {
    return Reply::Cms(CmsError::kNoNetworkService);
  }
  PhoneState& state = context.State();
  if (gsm::ReadHexOctet(hex, 0) == 0 && state.serviceCentre.empty()) {
    return Reply::Cms(CmsError::kSmscAddressUnknown);
  }
  const int reference = RecordSentMessage(state, gsm::ToHex(gsm::FromHex(hex)));
  DeliverReturns(context, *submit, reference);
  context.MarkChanged();
  return Reply::Ok({"+CMGS: " + std::to_string(reference)});
}

// AT+CMGS=<length>
Reply Send(CommandContext&, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  Reply refusal;
  const auto length = ParseLength(request.parameters, kStoredUnsent, refusal);
  if (!length) {
    return refusal;
  }
  return Reply::Prompt([length = *length](CommandContext& blockContext, std::string_view hex) {
    return SendPdu(blockContext, length, hex);
  });
}

// The PDU line of AT+CMGW: stored with the given status at the first free index when it is an
// SMS-DELIVER for a received status or an SMS-SUBMIT for a stored one.
Reply StorePdu(CommandContext& context, int length, int status, std::string_view hex) {
  PduRefusal refusal = PduRefusal::kNone;
  const bool fits = IsReceivedStatus(status) ? IsDeliverPdu(hex, length, &refusal)
                                             : ParseSubmitPdu(hex, length, &refusal).has_value();
  if (!fits) {
    return Refused(refusal);
  }
  PhoneState& state = context.State();
  const auto index = FirstFreeMessageIndex(state);
  if (!index) {
    return Reply::Cms(CmsError::kMemoryFull);
  }
  StoreMessage(state, StoredMessage{*index, status, gsm::ToHex(gsm::FromHex(hex))});
  context.MarkChanged();
  return Reply::Ok({"+CMGW: " + std::to_string(*index)});
}

// AT+CMGW=<length>[,<stat>]: status 2 (stored unsent) unless another (0-3) is given.
Reply Write(CommandContext& context, const CommandRequest& request) {
  if (request.form == CommandForm::kTest) {
    return Reply::Ok();
  }
  if (request.form != CommandForm::kSet) {
    return Reply::Error();
  }
  const auto parts = SplitParameters(request.parameters);
  if (!parts || parts->size() > 2) {
    return Reply::Error();
  }
  int status = kStoredUnsent;
  if (parts->size() == 2) {
    const auto given = ParseNumber((*parts)[1]);
    if (!given) {
      return Reply::Error();
    }
    if (*given < kReceivedUnread || *given > kStoredSent) {
      return Reply::Cms(CmsError::kInvalidStatus);
    }
    status = *given;
  }
  Reply refusal;
  const auto length = ParseLength((*parts)[0], status, refusal);
  if (!length) {
    return refusal;
  }
  if (!FirstFreeMessageIndex(context.State())) {
    return Reply::Cms(CmsError::kMemoryFull);
  }
  return Reply::Prompt(
      [length = *length, status](CommandContext& blockContext, std::string_view hex) {
        return StorePdu(blockContext, length, status, hex);
      });
}

}  // namespace

void AddSmsSubmitCommands(CommandTable& table) {
  table.Add("+CMGS", Send);
  table.Add("+CMGW", Write);
}

}  // namespace telvane::sim
