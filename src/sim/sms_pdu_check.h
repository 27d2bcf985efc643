// The checks a phone makes on a PDU line given to AT+CMGS or AT+CMGW.
#pragma once

#include <string_view>

namespace telvane::sim {

// The longest SMS-SUBMIT transfer part: header with a 20-digit destination and an absolute
// validity period, and 140 octets of user data.
inline constexpr int kMaxSubmitOctets = 164;
// The shortest: first octet, reference, empty destination, PID, DCS and data length.
inline constexpr int kMinSubmitOctets = 7;

// True when `pduHex` is hex digits (either case) in pairs: a service-centre field of at most
// 11 octets, then exactly `announcedLength` octets forming an SMS-SUBMIT (TP-MTI 01) whose
// fields are all present and whose user data is as long as its TP-UDL and coding say.
bool IsSubmitPdu(std::string_view pduHex, int announcedLength);

}  // namespace telvane::sim
