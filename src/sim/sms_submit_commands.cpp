// Sending (AT+CMGS) and storing (AT+CMGW) an SMS-SUBMIT in PDU mode: the command announces
// the transfer part's length, the phone prompts with "> " and takes the PDU line up to
// Ctrl-Z (ESC cancels).
#include <string>

#include "gsm/hex.h"
#include "sim/at_params.h"
#include "sim/command_groups.h"
#include "sim/sms_message_store.h"
#include "sim/sms_pdu_check.h"

namespace telvane::sim {
namespace {

constexpr int kStoredUnsent = 2;
constexpr int kStoredSent = 3;

Reply InvalidParameter() { return Reply::Cms(CmsError::kInvalidPduParameter); }

// The <length> parameter: a number, refused before the prompt when no SMS-SUBMIT can have it.
std::optional<int> ParseLength(std::string_view parameter, Reply& refusal) {
  const auto length = ParseNumber(parameter);
  if (!length) {
    refusal = Reply::Error();
    return std::nullopt;
  }
  if (*length < kMinSubmitOctets || *length > kMaxSubmitOctets) {
    refusal = InvalidParameter();
    return std::nullopt;
  }
  return length;
}

bool Registered(CommandContext& context) {
  const int registration = context.State().status.registration;
  return context.SessionSettings().functionality != 0 && (registration == 1 || registration == 5);
}

// The PDU line of AT+CMGS: sent when well formed, the network is there and a service centre
// is known (in the PDU or, with an empty centre field, the phone's own).
Reply SendPdu(CommandContext& context, int length, std::string_view hex) {
  if (!IsSubmitPdu(hex, length)) {
    return InvalidParameter();
  }
  if (!Registered(context)) {
    return Reply::Cms(CmsError::kNoNetworkService);
  }
  PhoneState& state = context.State();
  if (gsm::ReadHexOctet(hex, 0) == 0 && state.serviceCentre.empty()) {
    return Reply::Cms(CmsError::kSmscAddressUnknown);
  }
  const int reference = RecordSentMessage(state, gsm::ToHex(gsm::FromHex(hex)));
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
  const auto length = ParseLength(request.parameters, refusal);
  if (!length) {
    return refusal;
  }
  return Reply::Prompt([length = *length](CommandContext& blockContext, std::string_view hex) {
    return SendPdu(blockContext, length, hex);
  });
}

// The PDU line of AT+CMGW: stored with the given status at the first free index.
Reply StorePdu(CommandContext& context, int length, int status, std::string_view hex) {
  if (!IsSubmitPdu(hex, length)) {
    return InvalidParameter();
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

// AT+CMGW=<length>[,<stat>]: status 2 (stored unsent) unless 3 (stored sent) is given.
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
  Reply refusal;
  const auto length = ParseLength((*parts)[0], refusal);
  if (!length) {
    return refusal;
  }
  int status = kStoredUnsent;
  if (parts->size() == 2) {
    const auto given = ParseNumber((*parts)[1]);
    if (!given) {
      return Reply::Error();
    }
    if (*given != kStoredUnsent && *given != kStoredSent) {
      return InvalidParameter();
    }
    status = *given;
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
