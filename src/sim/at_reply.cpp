#include "sim/at_reply.h"

namespace telvane::sim {

std::string_view CmeErrorText(CmeError error) {
  switch (error) {
    case CmeError::kPhoneFailure: return "phone failure";
    case CmeError::kOperationNotAllowed: return "operation not allowed";
    case CmeError::kOperationNotSupported: return "operation not supported";
    case CmeError::kSimNotInserted: return "SIM not inserted";
    case CmeError::kSimPinRequired: return "SIM PIN required";
    case CmeError::kSimPukRequired: return "SIM PUK required";
    case CmeError::kSimFailure: return "SIM failure";
    case CmeError::kIncorrectPassword: return "incorrect password";
    case CmeError::kSimPin2Required: return "SIM PIN2 required";
    case CmeError::kSimPuk2Required: return "SIM PUK2 required";
    case CmeError::kMemoryFull: return "memory full";
    case CmeError::kInvalidIndex: return "invalid index";
    case CmeError::kNotFound: return "not found";
    case CmeError::kMemoryFailure: return "memory failure";
    case CmeError::kTextTooLong: return "text string too long";
    case CmeError::kInvalidCharacters: return "invalid characters in text string";
    case CmeError::kDialStringTooLong: return "dial string too long";
    case CmeError::kInvalidDialCharacters: return "invalid characters in dial string";
    case CmeError::kNoNetworkService: return "no network service";
    case CmeError::kNetworkTimeout: return "network timeout";
    case CmeError::kUnknown: return "unknown";
  }
  return "unknown";
}

std::string_view CmsErrorText(CmsError error) {
  switch (error) {
    case CmsError::kMeFailure: return "ME failure";
    case CmsError::kOperationNotAllowed: return "operation not allowed";
    case CmsError::kOperationNotSupported: return "operation not supported";
    case CmsError::kInvalidPduParameter: return "invalid PDU mode parameter";
    case CmsError::kMemoryFailure: return "memory failure";
    case CmsError::kInvalidMemoryIndex: return "invalid memory index";
    case CmsError::kMemoryFull: return "memory full";
    case CmsError::kSmscAddressUnknown: return "SMSC address unknown";
    case CmsError::kNoNetworkService: return "no network service";
    case CmsError::kNetworkTimeout: return "network timeout";
    case CmsError::kUnknown: return "unknown error";
    case CmsError::kInvalidStatus: return "invalid status";
    case CmsError::kBadPduCharacter: return "invalid character in PDU";
    case CmsError::kPduLength: return "invalid PDU length";
    case CmsError::kWrongMessageType: return "invalid message type";
    case CmsError::kUserDataLength: return "invalid user data length";
    case CmsError::kCentreLength: return "invalid service centre address length";
  }
  return "unknown error";
}

}  // namespace telvane::sim
