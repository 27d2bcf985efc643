#include "sms/pdu_transfer.h"

#include "link/answer_reader.h"

namespace telvane::sms {

namespace {

constexpr int kStoredUnsent = 2;  // <stat> of AT+CMGW

std::string DataBlock(const gsm::SubmitPdu& pdu) { return pdu.hex + link::kCtrlZ; }

}  // namespace

SendOutcome SendPdu(link::Exchange& exchange, const gsm::SubmitPdu& pdu, PartPosition part,
                    int silentDataAttempts, SendFeedback& feedback) {
  const std::string lengthCommand = "AT+CMGS=" + std::to_string(pdu.commandLength);
  const std::string data = DataBlock(pdu);
  feedback.ShowProgress(part.index + 1, part.count);
  int failedData = 0;
  for (;;) {
    if (exchange.SendPromptCommand(lengthCommand, false)) {
      if (exchange.SendPromptCommand(data, true)) {
        feedback.CloseProgress();
        return SendOutcome::kSent;
      }
      if (++failedData < silentDataAttempts) continue;
      if (silentDataAttempts > 1) {
        feedback.CloseProgress();
        return SendOutcome::kGivenUp;
      }
    }
    if (!feedback.AskRetry()) break;
  }
  feedback.CloseProgress();
  return SendOutcome::kCancelled;
}

Outcome StorePdu(link::Exchange& exchange, const gsm::SubmitPdu& pdu, const std::string& recipient,
                 const std::string& text, SendFeedback& feedback) {
  const std::string lengthCommand =
      "AT+CMGW=" + std::to_string(pdu.commandLength) + "," + std::to_string(kStoredUnsent);
  FailedStep failed = FailedStep::kNone;
  if (!exchange.SendPromptCommand(lengthCommand, false)) {
    failed = FailedStep::kCommand;
  } else if (!exchange.SendPromptCommand(DataBlock(pdu), true)) {
    failed = FailedStep::kDataLine;
  }
  if (failed != FailedStep::kNone) {
    const Outcome outcome{false, kStrStoreFailed, 0, failed};
    feedback.ReportFailure(outcome);
    return outcome;
  }
  const auto index = link::NumberAfter(exchange.Answer(), "+CMGW:");
  if (index && *index >= 0) feedback.ReportStored(*index, recipient, text);
  return Outcome{true};
}

}  // namespace telvane::sms
