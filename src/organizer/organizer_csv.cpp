#include "organizer/organizer_csv.h"

#include <fstream>
#include <vector>

#include "base/decimal.h"
#include "organizer/export_fields.h"
#include "organizer/organizer_vocabulary.h"
#include "phonebook/file_fields.h"
#include "phonebook/text_lines.h"

namespace telvane::organizer {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLineLimit = 1023;

// The number at the start of a field, or `fallback` when there is none or it lies
// outside low..high.
int NumberIn(std::string_view field, int low, int high, int fallback) {
  const std::optional<int> number = base::LeadingDecimal(field);
  return number && *number >= low && *number <= high ? *number : fallback;
}

std::string CleanText(std::string_view field) {
  std::string text;
  for (const char c : field) text += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  return text;
}

}  // namespace

std::string CsvExportText(std::span<const OrganizerEntry> rows, int languageId,
                          const DateFormat& format) {
  std::string out(kCsvHeader);
  out += kLineEnd;
  for (const OrganizerEntry& row : rows) {
    const std::optional<ExportFields> f = FieldsOfRow(row, languageId);
    if (!f) continue;
    out += FormatDate(format, f->date.year, f->date.month, f->date.day) + ";" + f->time + ";" +
           f->alarm + ";" + f->category + ";" + f->text + ";" + f->repeat;
    out += kLineEnd;
  }
  return out;
}

base::Outcome ExportOrganizerCsv(std::span<const OrganizerEntry> rows,
                                 const std::filesystem::path& file, int languageId,
                                 const DateFormat& format) {
  std::ofstream out(file, std::ios::out | std::ios::binary | std::ios::app);
  if (!out) return {false, kStrCantOpenExportFile};
  const std::string text = CsvExportText(rows, languageId, format);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return {false, kStrCantOpenExportFile};
  return {true};
}

bool IsOrganizerCsvHeader(std::string_view line) {
  return line.find("DATE;TIME;ALARM;CATEGORY;TEXT") != std::string_view::npos ||
         line.find("DATE,TIME,ALARM,CATEGORY,TEXT") != std::string_view::npos;
}

std::optional<EntryValues> ParseCsvLine(std::string_view line, const DateFormat& format) {
  const char separator = line.find(';') != std::string_view::npos ? ';' : ',';
  const std::vector<std::string_view> fields = phonebook::SplitFields(line, separator);
  if (fields.size() < 2) return std::nullopt;
  const std::optional<CivilTime> date = ParseDate(format, fields[0]);
  const std::optional<CivilTime> time = ParseTimeOfDay(fields[1]);
  if (!date || !time) return std::nullopt;
  const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : ""; };
  EntryValues values;
  values.year = date->year;
  values.month = date->month;
  values.day = date->day;
  values.hour = time->hour;
  values.minute = time->minute;
  values.alarm = NumberIn(field(2), 0, 1, 0) == 1;
  values.category = NumberIn(field(3), 0, kCategoryCount - 1, 0);
  values.description = CleanText(field(4));
  values.repeat = NumberIn(field(5), 0, kRepeatKindCount - 1, 0);
  return values;
}

CsvImportResult ImportOrganizerCsv(const std::filesystem::path& file, const DateFormat& format,
                                   const std::function<bool(const EntryValues&)>& entry) {
  phonebook::BoundedLineReader reader(file, kLineLimit);
  if (!reader.IsOpen()) return {kStrCantOpenExportFile};
  phonebook::TextLine line;
  if (!reader.Next(line) || line.overlong || !IsOrganizerCsvHeader(line.text))
    return {kStrUnsuitableHeader};
  CsvImportResult result;
  bool stopped = false;
  while (reader.Next(line)) {
    if (line.text.empty() && !line.overlong) continue;
    const std::optional<EntryValues> values =
        line.overlong ? std::nullopt : ParseCsvLine(line.text, format);
    if (!values || stopped) {
      ++result.skipped;
    } else if (!entry(*values)) {
      stopped = true;
    }
  }
  return result;
}

}  // namespace telvane::organizer
