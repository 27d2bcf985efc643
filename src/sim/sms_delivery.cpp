#include "sim/sms_delivery.h"

#include <cstdint>

#include "gsm/hex.h"
#include "sim/sms_message_store.h"

namespace telvane::sim {
namespace {

constexpr std::uint8_t kInternational = 0x91;
constexpr std::uint8_t kUnknownType = 0x81;
constexpr std::uint8_t kStatusReportOctet = 0x06;  // SMS-STATUS-REPORT, no more messages
constexpr std::uint8_t kDeliverOctet = 0x04;       // SMS-DELIVER, no more messages
constexpr std::uint8_t kHeaderIndicator = 0x40;
constexpr std::uint8_t kDelivered = 0x00;

struct Subscriber {
  enum class Kind { kInternational, kNational, kOther };
  Kind kind = Kind::kOther;
  std::string_view digits;
};

Subscriber Classify(std::string_view number) {
  if (number.starts_with('+')) {
    return {Subscriber::Kind::kInternational, number.substr(1)};
  }
  if (number.starts_with("00")) {
    return {Subscriber::Kind::kInternational, number.substr(2)};
  }
  if (number.starts_with('0')) {
    return {Subscriber::Kind::kNational, number.substr(1)};
  }
  return {Subscriber::Kind::kOther, number};
}

// Semi-octets, the first digit in the low half; "*" is A, "#" B, an odd count ends in F.
std::string PackDigits(std::string_view digits) {
  std::string octets;
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const auto nibble = [](char c) -> int {
      return c == '*' ? 0xA : c == '#' ? 0xB : (c >= '0' && c <= '9') ? c - '0' : 0xF;
    };
    const int high = i + 1 < digits.size() ? nibble(digits[i + 1]) : 0xF;
    octets += static_cast<char>(high << 4 | nibble(digits[i]));
  }
  return octets;
}

// The number of an address field (digit count, type, digits), "+" in front when it is
// international; empty for an alphanumeric address.
std::string AddressText(std::string_view field) {
  if (field.size() < 2 || (static_cast<std::uint8_t>(field[1]) & 0x70) == 0x50) {
    return {};
  }
  const std::size_t count = static_cast<std::uint8_t>(field[0]);
  std::string number = (static_cast<std::uint8_t>(field[1]) & 0x70) == 0x10 ? "+" : "";
  for (std::size_t i = 0; i < count && 2 + i / 2 < field.size(); ++i) {
    const int nibble = (static_cast<std::uint8_t>(field[2 + i / 2]) >> (i % 2 ? 4 : 0)) & 0x0F;
    number += "0123456789*#abc?"[nibble];
  }
  return number;
}

// An originator or destination field: digit count, type, digits.
std::string AddressField(std::string_view number) {
  const bool international = number.starts_with('+');
  const std::string_view digits = international ? number.substr(1) : number;
  return std::string{static_cast<char>(digits.size()),
                     static_cast<char>(international ? kInternational : kUnknownType)} +
         PackDigits(digits);
}

// The service centre the message went through: its own field, else the phone's centre.
std::string CentreField(const PhoneState& state, const SubmitPdu& sent) {
  if (sent.centre.size() > 1 || state.serviceCentre.empty()) {
    return sent.centre;
  }
  const std::string field = AddressField(state.serviceCentre).substr(1);
  return static_cast<char>(field.size()) + field;
}

// The 7-octet time stamp of a clock reading "yy/MM/dd,hh:mm:ss", in time zone 0.
std::string Timestamp(std::string_view clock) {
  std::string digits;
  for (char c : clock) {
    if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  return PackDigits(digits + "00");
}

}  // namespace

bool SameSubscriber(std::string_view a, std::string_view b) {
  const Subscriber first = Classify(a);
  const Subscriber second = Classify(b);
  if (first.digits.empty() || second.digits.empty()) {
    return false;
  }
  if (first.kind == second.kind) {
    return first.digits == second.digits;
  }
  if (first.kind == Subscriber::Kind::kOther || second.kind == Subscriber::Kind::kOther) {
    return false;
  }
  const Subscriber& international = first.kind == Subscriber::Kind::kInternational ? first : second;
  const Subscriber& national = first.kind == Subscriber::Kind::kNational ? first : second;
  // What the international form has in front of the national one is its country code.
  return international.digits.size() > national.digits.size() &&
         international.digits.size() - national.digits.size() <= 3 &&
         international.digits.ends_with(national.digits);
}

std::optional<std::string> OwnNumberDelivery(const PhoneState& state, const SubmitPdu& sent,
                                             std::string_view clock) {
  const std::string destination = AddressText(sent.destination);
  for (const auto& [position, entry] : state.books.ownNumbers.entries) {
    if (!SameSubscriber(entry.number, destination)) {
      continue;
    }
    const Subscriber dialled = Classify(destination);
    const std::string originator =
        entry.number.starts_with('+') || dialled.kind != Subscriber::Kind::kInternational
            ? entry.number
            : "+" + std::string(dialled.digits);
    const std::string pdu =
        CentreField(state, sent) +
        static_cast<char>(kDeliverOctet | (sent.firstOctet & kHeaderIndicator)) +
        AddressField(originator) + static_cast<char>(sent.protocol) +
        static_cast<char>(sent.scheme) + Timestamp(clock) + sent.userData;
    return gsm::ToHex(pdu);
  }
  return std::nullopt;
}

std::string StatusReport(const PhoneState& state, const SubmitPdu& sent, int reference,
                         std::string_view clock) {
  const std::string pdu = CentreField(state, sent) + static_cast<char>(kStatusReportOctet) +
                          static_cast<char>(reference) + sent.destination + Timestamp(clock) +
                          Timestamp(clock) + static_cast<char>(kDelivered);
  return gsm::ToHex(pdu);
}

void DeliverMessage(PhoneState& state, std::string pdu) {
  if (const auto index = FirstFreeMessageIndex(state)) {
    StoreMessage(state, StoredMessage{*index, 0, std::move(pdu)});
  } else if (state.waiting.size() < kMaxWaitingMessages) {
    state.waiting.push_back(WaitingMessage{std::move(pdu)});
  }
}

bool StoreWaitingMessages(PhoneState& state) {
  bool stored = false;
  while (!state.waiting.empty()) {
    const auto index = FirstFreeMessageIndex(state);
    if (!index) {
      break;
    }
    StoreMessage(state, StoredMessage{*index, 0, std::move(state.waiting.front().pdu)});
    state.waiting.erase(state.waiting.begin());
    stored = true;
  }
  return stored;
}

}  // namespace telvane::sim
