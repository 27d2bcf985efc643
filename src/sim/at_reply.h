#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::sim {

// Mobile equipment errors of GSM 07.07, reported as +CME ERROR when AT+CMEE is 1 or 2.
enum class CmeError {
  kPhoneFailure = 0,
  kOperationNotAllowed = 3,
  kOperationNotSupported = 4,
  kSimNotInserted = 10,
  kSimPinRequired = 11,
  kSimPukRequired = 12,
  kSimFailure = 13,
  kIncorrectPassword = 16,
  kSimPin2Required = 17,
  kSimPuk2Required = 18,
  kMemoryFull = 20,
  kInvalidIndex = 21,
  kNotFound = 22,
  kMemoryFailure = 23,
  kTextTooLong = 24,
  kInvalidCharacters = 25,
  kDialStringTooLong = 26,
  kInvalidDialCharacters = 27,
  kNoNetworkService = 30,
  kNetworkTimeout = 31,
  kUnknown = 100,
};

std::string_view CmeErrorText(CmeError error);

// Message service errors of GSM 07.05, reported as +CMS ERROR when AT+CMEE is 1 or 2.
enum class CmsError {
  kMeFailure = 300,
  kOperationNotAllowed = 302,
  kOperationNotSupported = 303,
  kInvalidPduParameter = 304,
  kMemoryFailure = 320,
  kInvalidMemoryIndex = 321,
  kMemoryFull = 322,
  kSmscAddressUnknown = 330,
  kNoNetworkService = 331,
  kNetworkTimeout = 332,
  kUnknown = 500,
  // The phone's own codes for a refused message.
  kInvalidStatus = 514,
  kBadPduCharacter = 517,
  kPduLength = 549,
  kWrongMessageType = 550,
  kUserDataLength = 553,
  kCentreLength = 554,
};

std::string_view CmsErrorText(CmsError error);

class CommandContext;
struct Reply;

// Receives the data block the phone prompted for (without its Ctrl-Z).
using BlockHandler = std::function<Reply(CommandContext&, std::string_view block)>;

// What a command handler answers: information lines and a final result, or a prompt.
struct Reply {
  enum class Outcome { kOk, kError, kCmeError, kCmsError, kPrompt, kResultCode };

  Outcome outcome = Outcome::kOk;
  std::vector<std::string> lines;
  CmeError cme = CmeError::kUnknown;
  CmsError cms = CmsError::kUnknown;
  std::string resultText;  // kResultCode: "NO CARRIER", with its ATV0 number below
  int resultNumber = 0;
  BlockHandler onBlock;
  // The phone works this long before it answers (a network search).
  std::chrono::milliseconds delay{0};
  // Unsolicited result codes the phone sends after the command line's final result (the
  // network's answer to a USSD request).
  std::vector<std::string> afterResult;

  static Reply Ok(std::vector<std::string> lines = {}) {
    Reply reply;
    reply.lines = std::move(lines);
    return reply;
  }
  // Plain ERROR: an unknown command or a command line the phone cannot parse.
  static Reply Error() {
    Reply reply;
    reply.outcome = Outcome::kError;
    return reply;
  }
  // An error of the phone's function: +CME ERROR when enabled, else ERROR.
  static Reply Cme(CmeError error) {
    Reply reply;
    reply.outcome = Outcome::kCmeError;
    reply.cme = error;
    return reply;
  }
  // An error of the message service: +CMS ERROR when enabled, else ERROR.
  static Reply Cms(CmsError error) {
    Reply reply;
    reply.outcome = Outcome::kCmsError;
    reply.cms = error;
    return reply;
  }
  // Bad parameter values of a known command.
  static Reply BadParameters() { return Cme(CmeError::kOperationNotSupported); }
  // A final result code other than OK and ERROR; it ends the command line like an error.
  static Reply ResultCode(std::string text, int number) {
    Reply reply;
    reply.outcome = Outcome::kResultCode;
    reply.resultText = std::move(text);
    reply.resultNumber = number;
    return reply;
  }
  static Reply NoCarrier() { return ResultCode("NO CARRIER", 3); }
  static Reply NoDialtone() { return ResultCode("NO DIALTONE", 6); }
  static Reply Busy() { return ResultCode("BUSY", 7); }
  // "> " and the next bytes up to Ctrl-Z go to the handler; ESC cancels.
  static Reply Prompt(BlockHandler handler, std::vector<std::string> lines = {}) {
    Reply reply;
    reply.outcome = Outcome::kPrompt;
    reply.lines = std::move(lines);
    reply.onBlock = std::move(handler);
    return reply;
  }
};

}  // namespace telvane::sim
