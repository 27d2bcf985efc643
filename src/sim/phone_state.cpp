#include "sim/phone_state.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <stdexcept>

#include "sim/phone_clock.h"

namespace telvane::sim {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool IsHex(std::string_view text, std::size_t length) {
  return text.size() == length &&
         std::all_of(text.begin(), text.end(), [](char c) { return HexValue(c) >= 0; });
}

void Require(bool condition, const std::string& what) {
  if (!condition) {
    throw std::runtime_error(what);
  }
}

void RequireDigits(const std::string& value, std::size_t minLength, std::size_t maxLength,
                   const std::string& name) {
  Require(value.size() >= minLength && value.size() <= maxLength &&
              std::all_of(value.begin(), value.end(),
                          [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }),
          name + " must be " + std::to_string(minLength) + " to " + std::to_string(maxLength) +
              " digits, not \"" + value + "\"");
}

void RequirePrintable(const std::string& value, std::size_t maxLength, const std::string& name) {
  Require(
      !value.empty() && value.size() <= maxLength &&
          std::all_of(value.begin(), value.end(),
                      [](char c) { return c >= 0x20 && c < 0x7f && c != '"'; }),
      name + " must be 1 to " + std::to_string(maxLength) + " printable characters without quotes");
}

void RequireRange(int value, Range range, const std::string& name) {
  Require(range.Contains(value), name + " " + std::to_string(value) + " is outside " +
                                     std::to_string(range.low) + "-" + std::to_string(range.high));
}

void RequireRangeOrder(Range range, const std::string& name) {
  Require(range.low >= 0 && range.low <= range.high && range.high <= 999,
          name + " must be two numbers low <= high within 0-999");
}

void ValidateIdentity(const Identity& id) {
  RequirePrintable(id.manufacturer, 40, "identity.manufacturer");
  RequirePrintable(id.model, 40, "identity.model");
  RequirePrintable(id.revision, 40, "identity.revision");
  RequireDigits(id.imei, 14, 17, "identity.imei");
  RequireDigits(id.imsi, 6, 15, "identity.imsi");
  RequireDigits(id.iccid, 10, 20, "identity.iccid");
}

void ValidateStatus(const NetworkStatus& status) {
  RequireRange(status.batteryStatus, {0, 3}, "status.battery.status");
  RequireRange(status.batteryCharge, {0, 100}, "status.battery.charge");
  Require(status.rssi == 99 || (status.rssi >= 0 && status.rssi <= 31),
          "status.signal.rssi must be 0-31 or 99");
  Require(status.ber == 99 || (status.ber >= 0 && status.ber <= 7),
          "status.signal.ber must be 0-7 or 99");
  RequireRange(status.registration, {0, 5}, "status.registration.state");
  Require(IsHex(status.lac, 4), "status.registration.lac must be 4 hex digits");
  Require(IsHex(status.ci, 4), "status.registration.ci must be 4 hex digits");
  RequirePrintable(status.operatorName, 24, "status.operator.name");
  RequireRange(status.operatorMode, {0, 4}, "status.operator.mode");
  Require(IsNetworkCode(status.operatorCode), "status.operator.code must be 5 or 6 digits");
}

void ValidateAudio(const Audio& audio) {
  RequireRangeOrder(audio.toneRange, "audio.toneRange");
  RequireRangeOrder(audio.volumeRange, "audio.volumeRange");
  RequireRangeOrder(audio.handsfreeVolumeRange, "audio.handsfreeVolumeRange");
  RequireRange(audio.tone, audio.toneRange, "audio.tone");
  RequireRange(audio.volume, audio.volumeRange, "audio.volume");
  RequireRange(audio.handsfreeVolume, audio.handsfreeVolumeRange, "audio.handsfreeVolume");
}

template <typename Message>
void RequirePduList(const std::vector<Message>& list, std::size_t limit, const std::string& name) {
  Require(list.size() <= limit, name + ": more than " + std::to_string(limit) + " messages");
  for (std::size_t i = 0; i < list.size(); ++i) {
    Require(list[i].pdu.size() <= 400 && TpduLength(list[i].pdu) > 0,
            name + "[" + std::to_string(i) +
                "].pdu must be hex with a service centre length octet that fits");
  }
}

// The stored, waiting and sent messages, the indication settings and the service centre.
void ValidateMessages(const PhoneState& state) {
  RequireRange(state.messageCapacity, {1, kMaxMessageCapacity}, "messageCapacity");
  Require(state.messages.size() <= static_cast<std::size_t>(state.messageCapacity),
          "messages: more messages than messageCapacity");
  std::set<int> indexes;
  for (const StoredMessage& message : state.messages) {
    const std::string name = "messages[index " + std::to_string(message.index) + "]";
    RequireRange(message.index, {1, state.messageCapacity}, name + ": index");
    Require(indexes.insert(message.index).second, name + ": index used twice");
    RequireRange(message.status, {0, 3}, name + ": status");
    Require(message.pdu.size() <= 400 && TpduLength(message.pdu) > 0,
            name + ": pdu must be hex with a service centre length octet that fits");
  }
  RequireRange(state.messageReference, {0, 255}, "messageReference");
  RequirePduList(state.sent, kMaxSentMessages, "sent");
  RequirePduList(state.waiting, kMaxWaitingMessages, "waiting");
  // AT+CNMI's ranges: <mode> 0-3, <mt> 0-3, <bm> 0, 2 or 3, <ds> 0-2, <bfr> 0-1.
  const auto& cnmi = state.messageIndications;
  Require(cnmi[0] >= 0 && cnmi[0] <= 3 && cnmi[1] >= 0 && cnmi[1] <= 3 &&
              (cnmi[2] == 0 || cnmi[2] == 2 || cnmi[2] == 3) && cnmi[3] >= 0 && cnmi[3] <= 2 &&
              (cnmi[4] == 0 || cnmi[4] == 1),
          "messageIndications must be within (0-3),(0-3),(0,2,3),(0-2),(0,1)");
  Require(state.serviceCentre.size() <= 21 &&
              std::all_of(
                  state.serviceCentre.begin(), state.serviceCentre.end(),
                  [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '+'; }),
          "serviceCentre must be a phone number");
}

}  // namespace

int TpduLength(std::string_view pduHex) {
  if (pduHex.size() < 2 || pduHex.size() % 2 != 0 ||
      !std::all_of(pduHex.begin(), pduHex.end(), [](char c) { return HexValue(c) >= 0; })) {
    return -1;
  }
  const int octets = static_cast<int>(pduHex.size() / 2);
  const int centreLength = HexValue(pduHex[0]) * 16 + HexValue(pduHex[1]);
  const int tpdu = octets - 1 - centreLength;
  return tpdu >= 1 ? tpdu : -1;
}

void ValidatePhoneState(const PhoneState& state) {
  ValidateIdentity(state.identity);
  ValidateStatus(state.status);
  ValidateAudio(state.audio);
  Require(PhoneClock::Parse(state.clock).has_value(),
          "clock must be a valid \"yy/MM/dd,hh:mm:ss\", not \"" + state.clock + "\"");
  ValidateMessages(state);
  for (const Fault& fault : state.faults) {
    Require(fault.count >= -1, "faults: count must be -1 (always) or a count");
  }
}

}  // namespace telvane::sim
