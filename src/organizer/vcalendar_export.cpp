#include "organizer/vcalendar_export.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>

#include "gsm/latin1_text.h"
#include "organizer/civil_time.h"
#include "organizer/date_order.h"
#include "organizer/organizer_csv.h"

namespace telvane::organizer {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kFoldAt = 75;

std::string DateTimeValue(const CivilTime& utc) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00Z", utc.year, utc.month, utc.day,
                utc.hour, utc.minute);
  return text;
}

// The description as a property value: escaped, control characters as blanks, UTF-8.
std::string SummaryValue(std::string_view description) {
  std::string escaped;
  for (const char c : description) {
    if (c == '\\' || c == ';' || c == ',') escaped += '\\';
    escaped += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
  }
  return gsm::Latin1ToUtf8(escaped);
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// A content line folded into pieces of at most kFoldAt bytes, never inside a UTF-8
// character; each piece after the first starts with a blank.
void AppendFolded(std::string& out, std::string_view line) {
  std::size_t limit = kFoldAt;
  while (line.size() > limit) {
    std::size_t cut = limit;
    while (cut > 1 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    out.append(line.substr(0, cut));
    out += kLineEnd;
    out += ' ';
    line.remove_prefix(cut);
    limit = kFoldAt - 1;
  }
  out.append(line);
  out += kLineEnd;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A new file of our own (mkstemp: O_EXCL, mode 0600) beside `file`, renamed over it.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes) {
  std::string pattern = file.string() + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(pattern.c_str(), file.c_str()) == 0;
  if (!ok) ::unlink(pattern.c_str());
  return ok;
}

}  // namespace

std::optional<std::string> VcalendarExportText(const OrganizerEntry& row) {
  std::optional<CivilTime> local = ParseRowDate(row.date);
  if (!local) return std::nullopt;
  if (const std::optional<CivilTime> time = ParseTimeOfDay(row.time)) {
    local->hour = time->hour;
    local->minute = time->minute;
  }
  const std::optional<CivilTime> utc = LocalToUtc(*local);
  if (!utc) return std::nullopt;
  const std::string start = DateTimeValue(*utc);
  const std::string summary = SummaryValue(row.description);
  std::string out;
  for (std::string_view line : {"BEGIN:VCALENDAR", "VERSION:1.0", "BEGIN:VEVENT"}) {
    AppendFolded(out, line);
  }
  AppendFolded(out, "DTSTART:" + start);
  AppendFolded(out, "DTEND:" + start);
  AppendFolded(out, (IsAscii(summary) ? "SUMMARY:" : "SUMMARY;CHARSET=UTF-8:") + summary);
  if (!row.alarm.empty()) {
    AppendFolded(out, "DALARM:" + start);
    AppendFolded(out, "AALARM:" + start);
  }
  AppendFolded(out, "END:VEVENT");
  AppendFolded(out, "END:VCALENDAR");
  return out;
}

base::Outcome ExportOrganizerVcalendar(const OrganizerEntry& row,
                                       const std::filesystem::path& folder) {
  const std::optional<std::string> text = VcalendarExportText(row);
  if (!text) return {false};
  if (!ReplaceFile(folder / kVcalendarExportName, *text)) return {false, kStrCantOpenExportFile};
  return {true};
}

}  // namespace telvane::organizer
