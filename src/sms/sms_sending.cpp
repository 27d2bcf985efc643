#include "sms/sms_sending.h"

#include <cstdint>
#include <optional>

#include "gsm/submit_pdu.h"
#include "sms/pdu_transfer.h"

namespace telvane::sms {

namespace {

// Attempts of the data step in command mode before the part is given up.
constexpr int kCommandModeDataAttempts = 3;

// The request as the mode takes it: windowless modes send plain 7-bit text.
SendRequest EffectiveRequest(const SendRequest& request, SendMode mode) {
  SendRequest effective = request;
  if (effective.text.size() > kMessageTextLimit) effective.text.resize(kMessageTextLimit);
  if (mode == SendMode::kStorePredefined || mode == SendMode::kCommandMode) {
    effective.statusReport = false;
    effective.eightBit = false;
    effective.flash = false;
    effective.validityDays = 4;
  }
  if (mode == SendMode::kStorePredefined) effective.recipient.clear();
  return effective;
}

bool Encodable(std::string_view number, gsm::AddressRole role,
               const gsm::NumberingOptions& numbering) {
  return gsm::EncodeAddress(number, role, numbering).has_value();
}

enum class PartProblem { kNone, kRecipient, kCentre };

// The fields shared by every part; a stored predefined text has neither centre nor recipient.
PartProblem PartTemplate(const SendSettings& settings, const SendRequest& request, SendMode mode,
                         gsm::SubmitRequest& part) {
  part.eightBit = request.eightBit;
  part.flash = request.flash;
  part.statusReport = request.statusReport;
  part.validityDays = request.validityDays;
  part.convertEightBit = settings.convertEightBit;
  part.numbering = settings.numbering;
  if (mode == SendMode::kStorePredefined) return PartProblem::kNone;

  part.destination = request.recipient;
  part.serviceCentre = CentreFor(request.recipient, settings.centreNumber, settings.routes);
  if (part.destination.empty() ||
      !Encodable(part.destination, gsm::AddressRole::kDestination, part.numbering)) {
    return PartProblem::kRecipient;
  }
  // An empty centre is written "00": the phone's own.
  if (!part.serviceCentre.empty() &&
      !Encodable(part.serviceCentre, gsm::AddressRole::kServiceCentre, part.numbering)) {
    return PartProblem::kCentre;
  }
  return PartProblem::kNone;
}

}  // namespace

SendSettings SendSettingsFrom(const config::Settings& settings, const config::RunState& run) {
  SendSettings send;
  send.centreNumber = run.smsCentreNumber;
  send.routes = RoutesFrom(settings);
  send.numbering = gsm::NumberingOptions{settings.intPrefix != 0, settings.tPref};
  send.convertEightBit = settings.gsmConv != 0;
  return send;
}

SendResult SendSms(link::Exchange& exchange, const SendSettings& settings,
                   const SendRequest& request, SendMode mode, SendFeedback& feedback) {
  SendResult result;
  const SendRequest effective = EffectiveRequest(request, mode);
  const std::vector<std::string> parts =
      SplitIntoParts(effective.text, SmsPartLength(effective.eightBit));
  result.partCount = static_cast<int>(parts.size());
  if (parts.empty()) return result;

  gsm::SubmitRequest submit;
  const PartProblem problem = PartTemplate(settings, effective, mode, submit);
  result.badRecipient = problem == PartProblem::kRecipient;
  result.badCentre = problem == PartProblem::kCentre;
  if (problem != PartProblem::kNone) return result;

  const int dataAttempts = mode == SendMode::kCommandMode ? kCommandModeDataAttempts : 1;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    submit.text = parts[i];
    submit.messageReference = static_cast<std::uint8_t>(i);
    // Parts and addresses were checked above, so building cannot fail; skip the part if it did.
    const std::optional<gsm::SubmitPdu> pdu = gsm::BuildSubmitPdu(submit);
    if (!pdu) continue;

    if (mode == SendMode::kStorePredefined) {
      if (StorePdu(exchange, *pdu, effective.recipient, parts[i], feedback).done)
        ++result.partsSent;
      continue;
    }
    const PartPosition position{static_cast<int>(i), result.partCount};
    const SendOutcome outcome = SendPdu(exchange, *pdu, position, dataAttempts, feedback);
    if (outcome == SendOutcome::kSent) {
      ++result.partsSent;
    } else if (outcome == SendOutcome::kCancelled && feedback.AskStoreUnsent() &&
               StorePdu(exchange, *pdu, effective.recipient, parts[i], feedback).done) {
      ++result.partsStoredUnsent;
    }
  }
  return result;
}

}  // namespace telvane::sms
