// Sending a message (AT+CMGS) or storing it unsent (AT+CMGW), part by part.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/app_context.h"
#include "config/settings.h"
#include "gsm/address_codec.h"
#include "link/exchange.h"
#include "sms/message_parts.h"
#include "sms/send_feedback.h"
#include "sms/sms_centre.h"

namespace telvane::sms {

enum class SendMode { kSendDialog = 0, kReplyDialog = 1, kStorePredefined = 2, kCommandMode = 3 };

struct SendRequest {
  std::string text;       // ISO 8859-1, at most 4096 characters are taken
  std::string recipient;  // as typed, up to 25 characters
  bool statusReport = false;
  bool eightBit = false;
  bool flash = false;
  int validityDays = 4;
};

struct SendSettings {
  std::string centreNumber;  // SmsCentreNumber
  CentreRoutes routes;
  gsm::NumberingOptions numbering;  // IntPrefix / TPref
  bool convertEightBit = false;     // GSMconv
};

SendSettings SendSettingsFrom(const config::Settings& settings, const config::RunState& run);

struct SendResult {
  int partCount = 0;
  int partsSent = 0;          // sent (or stored, mode 2) parts
  bool badRecipient = false;  // the recipient cannot be written as a PDU address
  bool badCentre = false;     // the centre chosen for the recipient cannot be written
  int partsStoredUnsent = 0;  // parts stored after a cancelled send
};

// Sends (mode 2: stores) the text part by part, each part an independent message whose
// reference is its index. Predefined texts and command mode go as 7-bit text without status
// report or flash, valid 4 days. An empty text sends nothing; a recipient that cannot be
// encoded (also an empty recipient when sending) sends nothing and sets badRecipient, a
// centre that cannot be encoded sends nothing and sets badCentre. A part that fails is offered for
// Retry/Cancel (command mode: three silent attempts of the data step) and after a Cancel for
// storing; sending then goes on with the next part.
SendResult SendSms(link::Exchange& exchange, const SendSettings& settings,
                   const SendRequest& request, SendMode mode, SendFeedback& feedback);

}  // namespace telvane::sms
