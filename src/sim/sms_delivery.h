// What the network delivers to the phone: the messages it sends to one of its own numbers
// and the status reports it asked for, stored as received unread messages or, while the
// memory is full, kept waiting until a place frees.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sim/phone_state.h"
#include "sim/sms_pdu_check.h"

namespace telvane::sim {

// Whether two numbers reach the same subscriber: "+CC..." and "00CC..." are international,
// a single leading "0" marks a national number, which meets an international one when it is
// that number without its country code (1-3 digits) and with the "0" in front. Other numbers
// (short codes) meet only the same digits.
bool SameSubscriber(std::string_view a, std::string_view b);

// The SMS-DELIVER the phone receives when `sent` goes to one of its own numbers (the ON
// book): from that number (international when either form is), with the sent message's
// protocol, coding and user data (a header included), the service centre it went through and
// the time stamp `clock` ("yy/MM/dd,hh:mm:ss"). Nothing when the destination is no own
// number.
std::optional<std::string> OwnNumberDelivery(const PhoneState& state, const SubmitPdu& sent,
                                             std::string_view clock);

// The SMS-STATUS-REPORT for `sent`, which got the message reference `reference`: delivered
// (status 00), with time stamp and discharge time `clock`.
std::string StatusReport(const PhoneState& state, const SubmitPdu& sent, int reference,
                         std::string_view clock);

// Stores an arriving PDU (hex) as a received unread message at the lowest free index; while
// the memory is full it waits behind the ones already waiting (the newest is lost once
// kMaxWaitingMessages wait).
void DeliverMessage(PhoneState& state, std::string pdu);

// Stores waiting messages, oldest first, while places are free; true when one was stored.
bool StoreWaitingMessages(PhoneState& state);

}  // namespace telvane::sim
