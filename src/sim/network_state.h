// The network around the simulated phone beyond its fixed status: a route of cells it
// moves along and the calls in progress. Read from and written to the state file.
#pragma once

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "sim/known_operators.h"

namespace telvane::sim {

// A neighbour cell the phone measures (the maker's cell monitor, AT^SMONC).
struct NeighbourCell {
  std::string code = "26201";
  std::string lac = "0F3C";
  std::string ci = "0000";
  int bsic = 32;    // two octal digits: network and base station colour code
  int channel = 1;  // ARFCN of the BCCH carrier, 1-1023
  int rxlev = 20;   // received level, 0-63
};

// One stop of the route; it replaces the status's operator, registration and signal.
struct RoutePoint {
  int seconds = 10;  // how long the phone stays here ("time" routes)
  std::string code = "26201";
  std::string name = "Nordnetz";
  int registration = 1;
  std::string lac = "0F3C";
  std::string ci = "A1B2";
  int rssi = 17;
  std::vector<NeighbourCell> neighbours;  // AT^SMONC reports the first kReportedNeighbours
};

struct Route {
  bool afterCpas = false;  // advance after each AT+CPAS answer instead of by time
  std::vector<RoutePoint> points;
};

// A call in progress as AT+CLCC lists it.
struct CurrentCall {
  int id = 1;
  int direction = 0;  // 0 made by the phone, 1 received
  int state = 0;      // 0 active, 1 held, 2 dialling, 3 alerting, 4 incoming, 5 waiting
  int mode = 0;       // 0 voice, 1 data, 2 fax, ...9 unknown
  bool multiparty = false;
  std::string number;
  int type = 129;
};

// A network a search finds (AT+COPS=?).
struct FoundOperator {
  int state = 1;  // 0 unknown, 1 available, 2 current, 3 forbidden
  std::string name;
  std::string code;
};

// The operator lists: names known (AT^SPLM), the preferred list (AT^SPLR, AT^SPLW) and
// what a search finds after searchSeconds.
struct Operators {
  std::optional<std::vector<KnownOperatorName>> known;  // none: DefaultKnownOperators()
  int preferredSize = 10;
  std::map<int, std::string> preferred = {{1, "23415"}, {2, "20801"}, {4, "26202"}};
  std::vector<FoundOperator> found = {
      {2, "Nordnetz", "26201"}, {1, "Suednetz", "26202"}, {3, "Westnetz", "26203"}};
  int searchSeconds = 15;

  const std::vector<KnownOperatorName>& Known() const {
    return known ? *known : DefaultKnownOperators();
  }
};

inline constexpr std::size_t kMaxRoutePoints = 1000;
inline constexpr std::size_t kMaxKnownOperatorNames = 2000;
inline constexpr int kMaxPreferredSize = 200;
inline constexpr std::size_t kMaxCurrentCalls = 7;
inline constexpr std::size_t kMaxNeighbours = 32;      // per route point in the state file
inline constexpr std::size_t kReportedNeighbours = 6;  // beside the serving cell

// "status.route" and "calls.current"; each throws std::runtime_error naming the key and
// the problem. A missing section (nullptr) keeps the default.
void ReadRoute(const nlohmann::json* section, Route& out);
void ReadCurrentCalls(const nlohmann::json* section, std::vector<CurrentCall>& out);
// "operators": known, preferred {size, entries}, found, searchSeconds.
void ReadOperators(const nlohmann::json* section, Operators& out);
nlohmann::ordered_json OperatorsJson(const Operators& operators);
nlohmann::ordered_json RouteJson(const Route& route);
nlohmann::ordered_json CurrentCallsJson(const std::vector<CurrentCall>& calls);

// A network code: 5 or 6 digits (three-digit country and two- or three-digit network).
bool IsNetworkCode(std::string_view code);

}  // namespace telvane::sim
