// Handing one built PDU to the phone: AT+CMGS to send it, AT+CMGW to store it unsent.
// Both are a prompt exchange for the length, then the hex PDU ended by Ctrl-Z.
#pragma once

#include <string>

#include "gsm/submit_pdu.h"
#include "link/exchange.h"
#include "sms/send_feedback.h"

namespace telvane::sms {

enum class SendOutcome {
  kSent,
  kCancelled,  // the user chose Cancel; the caller may offer to store the part
  kGivenUp,    // the data step failed on every silent attempt
};

struct PartPosition {
  int index = 0;  // from 0
  int count = 1;
};

// Sends one part with the progress box open. A failed AT+CMGS step asks Retry/Cancel. A
// failed data step is repeated silently (from AT+CMGS) until `silentDataAttempts` attempts
// have failed; with more than one attempt it is then given up, otherwise Retry/Cancel is
// asked as well.
SendOutcome SendPdu(link::Exchange& exchange, const gsm::SubmitPdu& pdu, PartPosition part,
                    int silentDataAttempts, SendFeedback& feedback);

// Stores one part as unsent ("AT+CMGW=<n>,2"). On success reports the "+CMGW:" index with
// `recipient` and `text` through ReportStored (nothing when the phone names no index); a
// failure (the length command or the PDU refused) is reported with kStrStoreFailed and
// returned.
Outcome StorePdu(link::Exchange& exchange, const gsm::SubmitPdu& pdu, const std::string& recipient,
                 const std::string& text, SendFeedback& feedback);

}  // namespace telvane::sms
