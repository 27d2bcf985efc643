// The net monitor's two logs: a line in "Telvane.log" whenever cell, area, network or
// registration changes, and a row per refresh in "TelvaneNet.csv" for plotting, which
// starts afresh as "TelvaneNet.old.csv" is set aside past its size limit.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "network/protocol_log.h"

namespace telvane::network {

inline constexpr std::string_view kNetCsvName = "TelvaneNet.csv";
inline constexpr std::string_view kNetCsvOldName = "TelvaneNet.old.csv";
inline constexpr std::string_view kNetCsvHeader =
    "time_utc,network,operator,lac,cell,state,level_dbm,activity\n";
inline constexpr int kDefaultNetLogMaxKb = 16384;

// The values the monitor shows after a refresh; none where nothing was read.
struct NetValues {
  std::optional<int> cell{};
  std::optional<int> lac{};
  std::optional<int> network{};
  std::optional<int> registration{};
  std::optional<int> levelDbm{};  // d of "-d dBm"
  std::optional<int> activity{};
  std::optional<std::string> operatorName{};
};

// "2001/09/03,21:05:09,'1A2B,'0D2F,26201,-79 dBm,Logged in\n": time in UTC, cell and area
// in 4 hex digits after an apostrophe, the network code, the level and the state name in
// the language. An empty field where a value was not read; a state name holding a comma
// stands in double quotes.
std::string NetLogLine(const std::tm& utc, const NetValues& values, int languageId);

// "2001-09-03T21:05:09Z,26201,Nordnetz,3372,6699,1,-79,0\n": decimal numbers, the
// operator as a CSV field (control characters blanks, quoted when it holds a comma or a
// quote), empty fields where nothing was read.
std::string NetCsvRow(const std::tm& utc, const NetValues& values);

// "TelvaneNet.csv" in a folder, with its header when created.
class NetCsvLog {
 public:
  bool Open(const std::filesystem::path& folder);
  void Close() { log_.Close(); }
  bool IsOpen() const { return log_.IsOpen(); }
  // Appends the row; when the file would grow past `maxBytes` it is first renamed to
  // "TelvaneNet.old.csv" (replacing an older one) and a new file is started.
  void Write(std::string_view row, std::uintmax_t maxBytes);

 private:
  std::filesystem::path folder_;
  ProtocolLog log_;
};

}  // namespace telvane::network
