#include "sim/service_sections.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace telvane::sim {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::array<std::string_view, 4> kLockFacilities = {"CS", "PS", "SC", "FD"};
constexpr std::array<std::string_view, 5> kBarrings = {"AO", "OI", "OX", "AI", "IR"};

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
  throw std::runtime_error(path + " " + problem);
}

// The fields of one JSON object, each checked against its limits.
class Fields {
 public:
  Fields(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
    if (!object.is_object()) Fail(path_, "must be an object");
  }
  const Json* Find(const char* key) const {
    const auto it = object_.find(key);
    return it == object_.end() ? nullptr : &*it;
  }
  std::string Path(const char* key) const { return path_ + "." + key; }
  void Int(const char* key, int& out, int low, int high) const {
    const Json* value = Find(key);
    if (!value) return;
    if (!value->is_number_integer() || *value < low || *value > high) {
      Fail(Path(key), "must be a whole number " + std::to_string(low) + "-" + std::to_string(high));
    }
    out = value->get<int>();
  }
  void Bool(const char* key, bool& out) const {
    const Json* value = Find(key);
    if (!value) return;
    if (!value->is_boolean()) Fail(Path(key), "must be true or false");
    out = value->get<bool>();
  }
  void Digits(const char* key, std::string& out, std::size_t low, std::size_t high) const {
    const Json* value = Find(key);
    if (!value) return;
    const std::string text = value->is_string() ? value->get<std::string>() : std::string("x");
    if (text.size() < low || text.size() > high ||
        text.find_first_not_of("0123456789") != std::string::npos) {
      Fail(Path(key), "must be " + std::to_string(low) + " to " + std::to_string(high) + " digits");
    }
    out = text;
  }

 private:
  const Json& object_;
  std::string path_;
};

ForwardingEntry ReadEntry(const Json& item, const std::string& path) {
  const Fields fields(item, path);
  ForwardingEntry entry;
  fields.Int("reason", entry.reason, 0, 3);
  fields.Int("class", entry.classCode, 1, 4);
  if (entry.classCode == 3) Fail(fields.Path("class"), "must be 1, 2 or 4");
  if (const Json* number = fields.Find("number")) {
    if (!number->is_string() ||
        (!number->get<std::string>().empty() && !IsForwardNumber(number->get<std::string>()))) {
      Fail(fields.Path("number"), "must be empty or a number of up to 20 digits, * and #");
    }
    entry.number = number->get<std::string>();
  }
  entry.type = entry.number.starts_with('+') ? 145 : 129;
  fields.Int("type", entry.type, 128, 255);
  fields.Int("time", entry.time, 0, 30);
  fields.Bool("active", entry.active);
  if (entry.active && entry.number.empty()) Fail(fields.Path("active"), "needs a number");
  return entry;
}

}  // namespace

bool IsForwardNumber(std::string_view number) {
  if (number.starts_with('+')) number.remove_prefix(1);
  return !number.empty() && number.size() <= 20 &&
         number.find_first_not_of("0123456789*#") == std::string_view::npos;
}

void ReadForwarding(const Json* section, std::vector<ForwardingEntry>& out) {
  if (section == nullptr) return;
  if (!section->is_array()) Fail("forwarding", "must be a list");
  out.clear();
  for (std::size_t i = 0; i < section->size(); ++i) {
    const std::string path = "forwarding[" + std::to_string(i) + "]";
    ForwardingEntry entry = ReadEntry((*section)[i], path);
    for (const ForwardingEntry& earlier : out) {
      if (earlier.reason == entry.reason && earlier.classCode == entry.classCode) {
        Fail(path, "repeats the reason and class of an earlier entry");
      }
    }
    out.push_back(std::move(entry));
  }
}

void ReadLocks(const Json* section, Locks& out) {
  if (section == nullptr) return;
  const Fields fields(*section, "locks");
  fields.Digits("pin", out.pin, 4, 8);
  fields.Digits("puk", out.puk, 8, 8);
  fields.Digits("pin2", out.pin2, 4, 8);
  fields.Digits("puk2", out.puk2, 8, 8);
  fields.Digits("phoneCode", out.phoneCode, 4, 8);
  fields.Digits("barringPassword", out.barringPassword, 4, 4);
  if (const Json* attempts = fields.Find("attemptsLeft")) {
    const Fields left(*attempts, "locks.attemptsLeft");
    left.Int("pin", out.attemptsLeft.pin, 0, kPinAttempts);
    left.Int("puk", out.attemptsLeft.puk, 0, kPukAttempts);
    left.Int("pin2", out.attemptsLeft.pin2, 0, kPinAttempts);
    left.Int("puk2", out.attemptsLeft.puk2, 0, kPukAttempts);
    left.Int("barring", out.attemptsLeft.barring, 0, kPinAttempts);
  }
  if (const Json* on = fields.Find("on")) {
    if (!on->is_array()) Fail("locks.on", "must be a list");
    out.on.clear();
    for (const Json& item : *on) {
      const std::string name = item.is_string() ? item.get<std::string>() : std::string();
      if (std::find(kLockFacilities.begin(), kLockFacilities.end(), name) ==
          kLockFacilities.end()) {
        Fail("locks.on", "holds only CS, PS, SC and FD");
      }
      out.Switch(name, true);
    }
  }
  if (const Json* barred = fields.Find("barred")) {
    const Fields classes(*barred, "locks.barred");
    out.barred.clear();
    for (std::string_view name : kBarrings) {
      int bits = 0;
      classes.Int(std::string(name).c_str(), bits, 0, 7);
      if (bits != 0) out.barred[std::string(name)] = bits;
    }
  }
}

void ReadProfile(const Json* section, Profile& out) {
  if (section == nullptr) return;
  const Fields fields(*section, "profile");
  fields.Int("alertMode", out.alertMode, 0, 2);
  if (const Json* range = fields.Find("speakerRange")) {
    if (!range->is_array() || range->size() != 2 || !(*range)[0].is_number_integer() ||
        !(*range)[1].is_number_integer() || (*range)[0] < 0 || (*range)[1] > 999 ||
        (*range)[0] > (*range)[1]) {
      Fail("profile.speakerRange", "must be [low, high] with whole numbers 0-999");
    }
    out.speakerRangeLow = (*range)[0].get<int>();
    out.speakerRangeHigh = (*range)[1].get<int>();
  }
  fields.Int("speakerVolume", out.speakerVolume, out.speakerRangeLow, out.speakerRangeHigh);
  fields.Bool("mute", out.mute);
}

OrderedJson ForwardingJson(const std::vector<ForwardingEntry>& entries) {
  OrderedJson list = OrderedJson::array();
  for (const ForwardingEntry& entry : entries) {
    list.push_back({{"reason", entry.reason},
                    {"class", entry.classCode},
                    {"number", entry.number},
                    {"type", entry.type},
                    {"time", entry.time},
                    {"active", entry.active}});
  }
  return list;
}

OrderedJson LocksJson(const Locks& locks) {
  const AttemptsLeft& left = locks.attemptsLeft;
  OrderedJson barred = OrderedJson::object();
  for (const auto& [name, bits] : locks.barred) barred[name] = bits;
  return {{"pin", locks.pin},
          {"puk", locks.puk},
          {"pin2", locks.pin2},
          {"puk2", locks.puk2},
          {"phoneCode", locks.phoneCode},
          {"barringPassword", locks.barringPassword},
          {"attemptsLeft",
           {{"pin", left.pin},
            {"puk", left.puk},
            {"pin2", left.pin2},
            {"puk2", left.puk2},
            {"barring", left.barring}}},
          {"on", locks.on},
          {"barred", barred}};
}

OrderedJson ProfileJson(const Profile& profile) {
  return {{"alertMode", profile.alertMode},
          {"speakerVolume", profile.speakerVolume},
          {"speakerRange", {profile.speakerRangeLow, profile.speakerRangeHigh}},
          {"mute", profile.mute}};
}

}  // namespace telvane::sim
