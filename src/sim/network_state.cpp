#include "sim/network_state.h"

#include <stdexcept>

namespace telvane::sim {
namespace {

using Json = nlohmann::json;

[[noreturn]] void Fail(const std::string& path, const std::string& problem) {
  throw std::runtime_error(path + " " + problem);
}

int Int(const Json& object, const char* key, const std::string& path, int fallback, int low,
        int high) {
  const auto it = object.find(key);
  if (it == object.end()) return fallback;
  if (!it->is_number_integer() || *it < low || *it > high) {
    Fail(path + "." + key,
         "must be a whole number " + std::to_string(low) + "-" + std::to_string(high));
  }
  return it->get<int>();
}

std::string Text(const Json& object, const char* key, const std::string& path, std::string fallback,
                 bool (*valid)(std::string_view), const char* rule) {
  const auto it = object.find(key);
  if (it == object.end()) return fallback;
  if (!it->is_string() || !valid(it->get<std::string>())) Fail(path + "." + key, rule);
  return it->get<std::string>();
}

bool IsHex4(std::string_view text) {
  return text.size() == 4 && text.find_first_not_of("0123456789ABCDEFabcdef") == text.npos;
}

bool IsOperatorName(std::string_view text) {
  if (text.empty() || text.size() > 24) return false;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == '"') return false;
  }
  return true;
}

bool IsDialNumber(std::string_view text) {
  return text.size() <= 20 && text.find_first_not_of("+0123456789*#") == text.npos;
}

const Json& List(const Json& value, const std::string& path, std::size_t limit) {
  if (!value.is_array()) Fail(path, "must be a list");
  if (value.size() > limit) Fail(path, "holds more than " + std::to_string(limit) + " entries");
  return value;
}

bool IsBsic(int value) { return value >= 0 && value / 10 <= 7 && value % 10 <= 7; }

NeighbourCell ReadNeighbour(const Json& item, const std::string& path) {
  if (!item.is_object()) Fail(path, "must be an object");
  NeighbourCell cell;
  cell.code = Text(item, "code", path, cell.code, IsNetworkCode, "must be 5 or 6 digits");
  cell.lac = Text(item, "lac", path, cell.lac, IsHex4, "must be 4 hex digits");
  cell.ci = Text(item, "ci", path, cell.ci, IsHex4, "must be 4 hex digits");
  cell.bsic = Int(item, "bsic", path, cell.bsic, 0, 77);
  if (!IsBsic(cell.bsic)) Fail(path + ".bsic", "must be two digits 0-7");
  cell.channel = Int(item, "channel", path, cell.channel, 1, 1023);
  cell.rxlev = Int(item, "rxlev", path, cell.rxlev, 0, 63);
  return cell;
}

RoutePoint ReadPoint(const Json& item, const std::string& path) {
  if (!item.is_object()) Fail(path, "must be an object");
  RoutePoint point;
  point.seconds = Int(item, "seconds", path, point.seconds, 1, 86400);
  point.code = Text(item, "code", path, point.code, IsNetworkCode, "must be 5 or 6 digits");
  point.name = Text(item, "name", path, point.name, IsOperatorName,
                    "must be 1-24 printable characters without \"");
  point.registration = Int(item, "registration", path, point.registration, 0, 5);
  point.lac = Text(item, "lac", path, point.lac, IsHex4, "must be 4 hex digits");
  point.ci = Text(item, "ci", path, point.ci, IsHex4, "must be 4 hex digits");
  point.rssi = Int(item, "rssi", path, point.rssi, 0, 99);
  if (point.rssi > 31 && point.rssi != 99) Fail(path + ".rssi", "must be 0-31 or 99");
  if (const auto it = item.find("neighbours"); it != item.end()) {
    const Json& cells = List(*it, path + ".neighbours", kMaxNeighbours);
    for (std::size_t i = 0; i < cells.size(); ++i) {
      point.neighbours.push_back(
          ReadNeighbour(cells[i], path + ".neighbours[" + std::to_string(i) + "]"));
    }
  }
  return point;
}

FoundOperator ReadFound(const Json& item, const std::string& path) {
  if (!item.is_object()) Fail(path, "must be an object");
  FoundOperator found;
  found.state = Int(item, "state", path, found.state, 0, 3);
  found.name =
      Text(item, "name", path, "", IsOperatorName, "must be 1-24 printable characters without \"");
  found.code = Text(item, "code", path, "", IsNetworkCode, "must be 5 or 6 digits");
  if (found.code.empty()) Fail(path + ".code", "is missing");
  return found;
}

KnownOperatorName ReadKnown(const Json& item, const std::string& path) {
  if (!item.is_object()) Fail(path, "must be an object");
  KnownOperatorName known;
  known.code = Text(item, "code", path, "", IsNetworkCode, "must be 5 or 6 digits");
  known.name =
      Text(item, "name", path, "", IsOperatorName, "must be 1-24 printable characters without \"");
  if (known.code.empty()) Fail(path + ".code", "is missing");
  return known;
}

void ReadPreferred(const Json& section, Operators& out) {
  const std::string path = "operators.preferred";
  if (!section.is_object()) Fail(path, "must be an object");
  out.preferredSize = Int(section, "size", path, out.preferredSize, 1, kMaxPreferredSize);
  if (const auto it = section.find("entries"); it != section.end()) {
    const Json& entries = List(*it, path + ".entries", kMaxPreferredSize);
    out.preferred.clear();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::string at = path + ".entries[" + std::to_string(i) + "]";
      if (!entries[i].is_object()) Fail(at, "must be an object");
      const int index = Int(entries[i], "index", at, 0, 1, out.preferredSize);
      if (index == 0) Fail(at + ".index", "is missing");
      out.preferred[index] =
          Text(entries[i], "code", at, "", IsNetworkCode, "must be 5 or 6 digits");
    }
  }
}

}  // namespace

void ReadOperators(const Json* section, Operators& out) {
  if (section == nullptr) return;
  const std::string path = "operators";
  if (!section->is_object()) Fail(path, "must be an object");
  if (const auto it = section->find("known"); it != section->end()) {
    const Json& known = List(*it, path + ".known", kMaxKnownOperatorNames);
    out.known.emplace();
    for (std::size_t i = 0; i < known.size(); ++i) {
      out.known->push_back(ReadKnown(known[i], path + ".known[" + std::to_string(i) + "]"));
    }
  }
  if (const auto it = section->find("preferred"); it != section->end()) ReadPreferred(*it, out);
  if (const auto it = section->find("found"); it != section->end()) {
    const Json& found = List(*it, path + ".found", 100);
    out.found.clear();
    for (std::size_t i = 0; i < found.size(); ++i) {
      out.found.push_back(ReadFound(found[i], path + ".found[" + std::to_string(i) + "]"));
    }
  }
  out.searchSeconds = Int(*section, "searchSeconds", path, out.searchSeconds, 0, 600);
}

nlohmann::ordered_json OperatorsJson(const Operators& operators) {
  nlohmann::ordered_json root;
  if (operators.known) {
    root["known"] = nlohmann::ordered_json::array();
    for (const KnownOperatorName& k : *operators.known) {
      root["known"].push_back({{"code", k.code}, {"name", k.name}});
    }
  }
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  for (const auto& [index, code] : operators.preferred) {
    entries.push_back({{"index", index}, {"code", code}});
  }
  root["preferred"] = {{"size", operators.preferredSize}, {"entries", std::move(entries)}};
  root["found"] = nlohmann::ordered_json::array();
  for (const FoundOperator& f : operators.found) {
    root["found"].push_back({{"state", f.state}, {"name", f.name}, {"code", f.code}});
  }
  root["searchSeconds"] = operators.searchSeconds;
  return root;
}

bool IsNetworkCode(std::string_view code) {
  return (code.size() == 5 || code.size() == 6) &&
         code.find_first_not_of("0123456789") == code.npos;
}

void ReadRoute(const Json* section, Route& out) {
  if (section == nullptr) return;
  const std::string path = "status.route";
  if (!section->is_object()) Fail(path, "must be an object");
  out = Route{};
  if (const auto it = section->find("advance"); it != section->end()) {
    if (*it != "time" && *it != "afterCpas") Fail(path + ".advance", "must be time or afterCpas");
    out.afterCpas = *it == "afterCpas";
  }
  if (const auto it = section->find("points"); it != section->end()) {
    const Json& points = List(*it, path + ".points", kMaxRoutePoints);
    for (std::size_t i = 0; i < points.size(); ++i) {
      out.points.push_back(ReadPoint(points[i], path + ".points[" + std::to_string(i) + "]"));
    }
  }
}

void ReadCurrentCalls(const Json* section, std::vector<CurrentCall>& out) {
  if (section == nullptr) return;
  const std::string path = "calls.current";
  const Json& calls = List(*section, path, kMaxCurrentCalls);
  out.clear();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    const std::string at = path + "[" + std::to_string(i) + "]";
    const Json& item = calls[i];
    if (!item.is_object()) Fail(at, "must be an object");
    CurrentCall call;
    call.id = Int(item, "id", at, static_cast<int>(i) + 1, 1, 7);
    call.direction = Int(item, "direction", at, 0, 0, 1);
    call.state = Int(item, "state", at, 0, 0, 5);
    call.mode = Int(item, "mode", at, 0, 0, 9);
    call.multiparty = Int(item, "multiparty", at, 0, 0, 1) != 0;
    call.number = Text(item, "number", at, "", IsDialNumber, "must be up to 20 dial characters");
    call.type = Int(item, "type", at, call.number.starts_with('+') ? 145 : 129, 128, 255);
    out.push_back(std::move(call));
  }
}

nlohmann::ordered_json RouteJson(const Route& route) {
  nlohmann::ordered_json points = nlohmann::ordered_json::array();
  for (const RoutePoint& p : route.points) {
    nlohmann::ordered_json cells = nlohmann::ordered_json::array();
    for (const NeighbourCell& n : p.neighbours) {
      cells.push_back({{"code", n.code},
                       {"lac", n.lac},
                       {"ci", n.ci},
                       {"bsic", n.bsic},
                       {"channel", n.channel},
                       {"rxlev", n.rxlev}});
    }
    points.push_back({{"seconds", p.seconds},
                      {"code", p.code},
                      {"name", p.name},
                      {"registration", p.registration},
                      {"lac", p.lac},
                      {"ci", p.ci},
                      {"rssi", p.rssi},
                      {"neighbours", std::move(cells)}});
  }
  return {{"advance", route.afterCpas ? "afterCpas" : "time"}, {"points", std::move(points)}};
}

nlohmann::ordered_json CurrentCallsJson(const std::vector<CurrentCall>& calls) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const CurrentCall& c : calls) {
    list.push_back({{"id", c.id},
                    {"direction", c.direction},
                    {"state", c.state},
                    {"mode", c.mode},
                    {"multiparty", c.multiparty ? 1 : 0},
                    {"number", c.number},
                    {"type", c.type}});
  }
  return list;
}

}  // namespace telvane::sim
