// A command module for tests: its answer depends on the request text.
//   "keep"        -> result 7, nothing written (the message stays on the phone)
//   "overfill"    -> fills both buffers to their last byte without a terminator
//   "quiet"       -> result 0, no reply number: the message is only deleted
//   anything else -> result 0, reply "ok: <text>" to the sender
// Without a sender: result 3 and the status "idle".
#include <cstring>
#include <string>

#include "command_mode/smscom.h"

extern "C" int smscom(int reserved, const char* sender, char* replyNumber, char* text,
                      const char** statusText) {
  static std::string status;
  if (reserved != 0) return 99;
  if (*sender == '\0') {
    status = "idle";
    *statusText = status.c_str();
    return 3;
  }
  const std::string request(text);
  status = "handled " + request;
  *statusText = status.c_str();
  if (request == "keep") return 7;
  if (request == "overfill") {
    std::memset(replyNumber, '5', SMSCOM_REPLY_NUMBER_SIZE);
    std::memset(text, 'x', SMSCOM_TEXT_SIZE);
    return 0;
  }
  if (request == "quiet") return 0;
  const std::string reply = "ok: " + request;
  std::strncpy(replyNumber, sender, SMSCOM_REPLY_NUMBER_SIZE - 1);
  std::strncpy(text, reply.c_str(), SMSCOM_TEXT_SIZE - 1);
  return 0;
}
