#include "network/net_log.h"

#include <cstdio>
#include <system_error>

#include "network/net_vocabulary.h"

namespace telvane::network {
namespace {

std::string Text(const char* format, int value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string Optional(const char* format, const std::optional<int>& value) {
  return value ? Text(format, *value) : std::string();
}

// A CSV field: quoted, inner quotes doubled, when it holds a comma or a quote.
std::string CsvField(std::string_view text) {
  std::string field = LogField(text);
  if (field.find_first_of(",\"") == std::string::npos) return field;
  std::string quoted = "\"";
  for (char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string NetLogLine(const std::tm& utc, const NetValues& values, int languageId) {
  char time[48];
  std::snprintf(time, sizeof time, "%04d/%02d/%02d,%02d:%02d:%02d", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  const std::string state =
      values.registration ? RegistrationName(languageId, *values.registration) : std::string();
  return std::string(time) + "," + Optional("'%04X", values.cell) + "," +
         Optional("'%04X", values.lac) + "," + Optional("%d", values.network) + "," +
         Optional("-%d dBm", values.levelDbm) + "," + CsvField(state) + "\n";
}

std::string NetCsvRow(const std::tm& utc, const NetValues& values) {
  char time[48];
  std::snprintf(time, sizeof time, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
  const std::optional<int> level =
      values.levelDbm ? std::optional<int>(-*values.levelDbm) : std::nullopt;
  return std::string(time) + "," + Optional("%d", values.network) + "," +
         CsvField(values.operatorName.value_or("")) + "," + Optional("%d", values.lac) + "," +
         Optional("%d", values.cell) + "," + Optional("%d", values.registration) + "," +
         Optional("%d", level) + "," + Optional("%d", values.activity) + "\n";
}

bool NetCsvLog::Open(const std::filesystem::path& folder) {
  folder_ = folder;
  return log_.Open(folder_ / kNetCsvName, kNetCsvHeader);
}

void NetCsvLog::Write(std::string_view row, std::uintmax_t maxBytes) {
  if (!log_.IsOpen()) return;
  const std::filesystem::path file = folder_ / kNetCsvName;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (!error && size > kNetCsvHeader.size() && size + row.size() > maxBytes) {
    log_.Close();
    std::filesystem::rename(file, folder_ / kNetCsvOldName, error);
    if (!log_.Open(file, kNetCsvHeader)) return;
  }
  log_.Write(row);
}

}  // namespace telvane::network
