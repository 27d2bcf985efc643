#include "sim/state_json.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <stdexcept>

#include "base/unique_fd.h"
#include "sim/service_sections.h"
#include "sim/state_sections.h"

namespace telvane::sim {
namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

constexpr std::uintmax_t kMaxStateFileBytes = 16 * 1024 * 1024;
// Deeper documents are refused: writing them back would recurse that deep.
constexpr int kMaxNesting = 64;
// The top-level keys read here; any other is kept as it is.
constexpr std::array<std::string_view, 20> kKnownSections{"identity",
                                                          "status",
                                                          "audio",
                                                          "clock",
                                                          "messageCapacity",
                                                          "messages",
                                                          "waiting",
                                                          "sent",
                                                          "messageReference",
                                                          "messageIndications",
                                                          "serviceCentre",
                                                          "faults",
                                                          "phonebooks",
                                                          "objects",
                                                          "locks",
                                                          "calls",
                                                          "forwarding",
                                                          "profile",
                                                          "operators",
                                                          "ussd"};

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
  throw std::runtime_error(path + " " + problem);
}

std::string Join(const std::string& path, std::string_view key) {
  return path.empty() ? std::string(key) : path + "." + std::string(key);
}

// Typed access to one JSON object, naming the key in every error.
class ObjectReader {
 public:
  ObjectReader(const Json* object, std::string path) : object_(object), path_(std::move(path)) {
    if (object_ != nullptr && !object_->is_object()) {
      Fail(path_, "must be an object");
    }
  }

  const Json* Find(std::string_view key) const {
    if (object_ == nullptr) {
      return nullptr;
    }
    const auto it = object_->find(key);
    return it == object_->end() ? nullptr : &*it;
  }

  ObjectReader Object(std::string_view key) const { return {Find(key), Join(path_, key)}; }

  void Int(std::string_view key, int& value) const {
    if (const Json* item = Find(key)) {
      if (!item->is_number_integer() || *item < std::numeric_limits<int>::min() ||
          *item > std::numeric_limits<int>::max()) {
        Fail(Join(path_, key), "must be a whole number");
      }
      value = item->get<int>();
    }
  }

  void Bool(std::string_view key, bool& value) const {
    if (const Json* item = Find(key)) {
      if (!item->is_boolean()) {
        Fail(Join(path_, key), "must be true or false");
      }
      value = item->get<bool>();
    }
  }

  void String(std::string_view key, std::string& value) const {
    if (const Json* item = Find(key)) {
      if (!item->is_string()) {
        Fail(Join(path_, key), "must be a string");
      }
      value = item->get<std::string>();
    }
  }

  void RangeOf(std::string_view key, Range& value) const {
    if (const Json* item = Find(key)) {
      if (!item->is_array() || item->size() != 2 || !(*item)[0].is_number_integer() ||
          !(*item)[1].is_number_integer() || (*item)[0] < 0 || (*item)[1] > 999) {
        Fail(Join(path_, key), "must be [low, high] with whole numbers 0-999");
      }
      value = {(*item)[0].get<int>(), (*item)[1].get<int>()};
    }
  }

  const Json* Array(std::string_view key) const {
    const Json* item = Find(key);
    if (item != nullptr && !item->is_array()) {
      Fail(Join(path_, key), "must be a list");
    }
    return item;
  }

 private:
  const Json* object_;
  std::string path_;
};

void ReadIdentity(const ObjectReader& in, Identity& out) {
  in.String("manufacturer", out.manufacturer);
  in.String("model", out.model);
  in.String("revision", out.revision);
  in.String("imei", out.imei);
  in.String("imsi", out.imsi);
  in.String("iccid", out.iccid);
}

void ReadStatus(const ObjectReader& in, NetworkStatus& out) {
  const ObjectReader battery = in.Object("battery");
  battery.Int("status", out.batteryStatus);
  battery.Int("charge", out.batteryCharge);
  const ObjectReader signal = in.Object("signal");
  signal.Int("rssi", out.rssi);
  signal.Int("ber", out.ber);
  const ObjectReader registration = in.Object("registration");
  registration.Int("state", out.registration);
  registration.String("lac", out.lac);
  registration.String("ci", out.ci);
  const ObjectReader op = in.Object("operator");
  op.String("name", out.operatorName);
  op.Int("mode", out.operatorMode);
  op.String("code", out.operatorCode);
  ReadRoute(in.Find("route"), out.route);
}

void ReadAudio(const ObjectReader& in, Audio& out) {
  in.RangeOf("toneRange", out.toneRange);
  in.RangeOf("volumeRange", out.volumeRange);
  in.RangeOf("handsfreeVolumeRange", out.handsfreeVolumeRange);
  in.Int("tone", out.tone);
  in.Int("volume", out.volume);
  in.Bool("playing", out.playing);
  in.Bool("handsfree", out.handsfree);
  in.Int("handsfreeVolume", out.handsfreeVolume);
  in.Bool("vibrator", out.vibrator);
}

void ReadMessages(const ObjectReader& root, PhoneState& out) {
  const Json* list = root.Array("messages");
  if (list == nullptr) {
    return;
  }
  out.messages.clear();
  for (std::size_t i = 0; i < list->size(); ++i) {
    const ObjectReader item(&(*list)[i], "messages[" + std::to_string(i) + "]");
    StoredMessage message;
    message.index = 0;
    item.Int("index", message.index);
    item.Int("status", message.status);
    item.String("pdu", message.pdu);
    out.messages.push_back(std::move(message));
  }
}

// A list of objects with a "pdu" each: the sent and the waiting messages.
template <typename Message>
void ReadPduList(const ObjectReader& root, std::string_view key, std::vector<Message>& out) {
  const Json* list = root.Array(key);
  if (list == nullptr) {
    return;
  }
  out.clear();
  for (std::size_t i = 0; i < list->size(); ++i) {
    const ObjectReader item(&(*list)[i], std::string(key) + "[" + std::to_string(i) + "]");
    Message message;
    item.String("pdu", message.pdu);
    out.push_back(std::move(message));
  }
}

template <typename Message>
OrderedJson PduListJson(const std::vector<Message>& messages) {
  OrderedJson list = OrderedJson::array();
  for (const Message& message : messages) {
    list.push_back({{"pdu", message.pdu}});
  }
  return list;
}

void ReadIndications(const ObjectReader& root, std::array<int, 5>& out) {
  const Json* list = root.Array("messageIndications");
  if (list == nullptr) {
    return;
  }
  const auto small = [](const Json& v) { return v.is_number_integer() && v >= 0 && v <= 9; };
  if (list->size() != out.size() || !std::all_of(list->begin(), list->end(), small)) {
    Fail("messageIndications", "must be five whole numbers 0-9");
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = (*list)[i].get<int>();
  }
}

void ReadFaults(const ObjectReader& root, PhoneState& out) {
  const Json* list = root.Array("faults");
  if (list == nullptr) {
    return;
  }
  for (std::size_t i = 0; i < list->size(); ++i) {
    const std::string path = "faults[" + std::to_string(i) + "]";
    const ObjectReader item(&(*list)[i], path);
    std::string kindName;
    item.String("kind", kindName);
    const auto kind = FaultKindFromName(kindName);
    if (!kind) {
      Fail(path + ".kind", "\"" + kindName +
                               "\" is not one of noAnswer, cutOff, garbage, unsolicitedInside, "
                               "error, flood, lineGone");
    }
    Fault fault;
    fault.kind = *kind;
    item.String("command", fault.command);
    item.Int("count", fault.count);
    out.faults.push_back(std::move(fault));
  }
}

template <typename J>
J ParseLimited(std::string_view text) {
  return J::parse(text, [](int depth, nlohmann::json::parse_event_t, J&) {
    if (depth > kMaxNesting) {
      throw std::runtime_error("nests deeper than " + std::to_string(kMaxNesting) + " levels");
    }
    return true;
  });
}

OrderedJson RangeJson(Range range) { return OrderedJson::array({range.low, range.high}); }

std::string ReadFileText(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) {
    throw std::runtime_error("cannot be read: " + error.message());
  }
  if (size > kMaxStateFileBytes) {
    throw std::runtime_error("is larger than 16 MiB");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    throw std::runtime_error(std::string("cannot be opened: ") + std::strerror(errno));
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string PhoneStateToJson(const PhoneState& state) {
  OrderedJson root;
  const Identity& id = state.identity;
  root["identity"] = {{"manufacturer", id.manufacturer},
                      {"model", id.model},
                      {"revision", id.revision},
                      {"imei", id.imei},
                      {"imsi", id.imsi},
                      {"iccid", id.iccid}};
  const NetworkStatus& st = state.status;
  root["status"] = {
      {"battery", {{"status", st.batteryStatus}, {"charge", st.batteryCharge}}},
      {"signal", {{"rssi", st.rssi}, {"ber", st.ber}}},
      {"registration", {{"state", st.registration}, {"lac", st.lac}, {"ci", st.ci}}},
      {"operator",
       {{"name", st.operatorName}, {"mode", st.operatorMode}, {"code", st.operatorCode}}}};
  if (!st.route.points.empty()) root["status"]["route"] = RouteJson(st.route);
  const Audio& au = state.audio;
  root["audio"] = {{"toneRange", RangeJson(au.toneRange)},
                   {"volumeRange", RangeJson(au.volumeRange)},
                   {"handsfreeVolumeRange", RangeJson(au.handsfreeVolumeRange)},
                   {"tone", au.tone},
                   {"volume", au.volume},
                   {"playing", au.playing},
                   {"handsfree", au.handsfree},
                   {"handsfreeVolume", au.handsfreeVolume},
                   {"vibrator", au.vibrator}};
  root["clock"] = state.clock;
  root["messageCapacity"] = state.messageCapacity;
  root["messages"] = OrderedJson::array();
  for (const StoredMessage& message : state.messages) {
    root["messages"].push_back(
        {{"index", message.index}, {"status", message.status}, {"pdu", message.pdu}});
  }
  root["waiting"] = PduListJson(state.waiting);
  root["messageReference"] = state.messageReference;
  root["messageIndications"] = state.messageIndications;
  root["sent"] = PduListJson(state.sent);
  root["serviceCentre"] = state.serviceCentre;
  root["phonebooks"] = PhoneBooksJson(state.books);
  root["objects"] = ObjectsJson(state.objects);
  root["locks"] = LocksJson(state.locks);
  root["forwarding"] = ForwardingJson(state.forwarding);
  root["profile"] = ProfileJson(state.profile);
  root["calls"] = {{"dialResult", state.dialResult},
                   {"current", CurrentCallsJson(state.currentCalls)}};
  root["operators"] = OperatorsJson(state.operators);
  root["ussd"] = UssdJson(state.ussd);
  root["faults"] = OrderedJson::array();
  for (const Fault& fault : state.faults) {
    root["faults"].push_back({{"kind", std::string(FaultKindName(fault.kind))},
                              {"command", fault.command},
                              {"count", fault.count}});
  }
  for (const auto& [key, text] : state.keptSections) {
    OrderedJson value = OrderedJson::parse(text, nullptr, false);
    if (value.is_discarded()) {
      throw std::runtime_error("kept section " + key + " is not valid JSON");
    }
    root[key] = std::move(value);
  }
  return root.dump(2) + "\n";
}

PhoneState PhoneStateFromJson(std::string_view text) {
  Json root;
  try {
    root = ParseLimited<Json>(text);
  } catch (const Json::parse_error& error) {
    std::string what = error.what();
    if (const auto at = what.find("] "); at != std::string::npos) {
      what.erase(0, at + 2);
    }
    throw std::runtime_error("is not valid JSON: " + what);
  }
  if (!root.is_object()) {
    throw std::runtime_error("must hold one JSON object");
  }
  PhoneState state;
  const ObjectReader in(&root, "");
  ReadIdentity(in.Object("identity"), state.identity);
  ReadStatus(in.Object("status"), state.status);
  ReadAudio(in.Object("audio"), state.audio);
  in.String("clock", state.clock);
  in.Int("messageCapacity", state.messageCapacity);
  ReadMessages(in, state);
  ReadPduList(in, "waiting", state.waiting);
  in.Int("messageReference", state.messageReference);
  ReadIndications(in, state.messageIndications);
  ReadPduList(in, "sent", state.sent);
  in.String("serviceCentre", state.serviceCentre);
  ReadFaults(in, state);
  ReadPhoneBooks(in.Find("phonebooks"), state.books);
  ReadObjects(in.Find("objects"), state.objects);
  ReadLocks(in.Find("locks"), state.locks);
  ReadForwarding(in.Find("forwarding"), state.forwarding);
  ReadProfile(in.Find("profile"), state.profile);
  ReadCalls(in.Find("calls"), state.dialResult);
  ReadOperators(in.Find("operators"), state.operators);
  ReadUssd(in.Find("ussd"), state.ussd);
  if (const Json* calls = in.Find("calls"); calls != nullptr && calls->is_object()) {
    ReadCurrentCalls(calls->contains("current") ? &(*calls)["current"] : nullptr,
                     state.currentCalls);
  }
  // Kept sections are written back with their keys in the order of the file.
  const OrderedJson ordered = ParseLimited<OrderedJson>(text);
  for (const auto& [key, value] : ordered.items()) {
    if (std::find(kKnownSections.begin(), kKnownSections.end(), key) == kKnownSections.end()) {
      state.keptSections[key] = value.dump();
    }
  }
  ValidatePhoneState(state);
  return state;
}

PhoneState LoadPhoneState(const std::filesystem::path& file) {
  try {
    return PhoneStateFromJson(ReadFileText(file));
  } catch (const std::exception& error) {
    throw std::runtime_error("state file " + file.string() + ": " + error.what());
  }
}

void SavePhoneState(const PhoneState& state, const std::filesystem::path& file) {
  const std::string text = PhoneStateToJson(state);
  std::filesystem::path temp = file;
  temp += ".tmp" + std::to_string(::getpid());
  const auto fail = [&](const char* step) {
    const std::string reason = std::strerror(errno);
    ::unlink(temp.c_str());
    throw std::runtime_error("state file " + file.string() + ": cannot " + step + ": " + reason);
  };
  {
    base::UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.Valid()) {
      fail("create the temporary file");
    }
    std::size_t done = 0;
    while (done < text.size()) {
      const ssize_t n = ::write(fd.Get(), text.data() + done, text.size() - done);
      if (n < 0) {
        if (errno == EINTR) {
          continue;
        }
        fail("write");
      }
      done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) {
      fail("sync");
    }
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    fail("replace");
  }
}

}  // namespace telvane::sim
