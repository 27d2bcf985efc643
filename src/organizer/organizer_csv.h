// The organizer as a CSV file: the export of the rows with a date, appended to the file
// with its header line, and the import of such files line by line.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "organizer/date_order.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

inline constexpr int kStrCantOpenExportFile = 25;
inline constexpr int kStrUnsuitableHeader = 37;

inline constexpr std::string_view kCsvHeader = "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE";

// The header line and one line "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE" per row with a date,
// in the rows' order, each ended by CR LF; dates in `format`.
std::string CsvExportText(std::span<const OrganizerEntry> rows, int languageId,
                          const DateFormat& format);
// Appends the export to `file` (an existing file keeps its content); not done with
// kStrCantOpenExportFile when it cannot be opened or written.
base::Outcome ExportOrganizerCsv(std::span<const OrganizerEntry> rows,
                                 const std::filesystem::path& file, int languageId,
                                 const DateFormat& format);

// True for a first line holding "DATE;TIME;ALARM;CATEGORY;TEXT" or
// "DATE,TIME,ALARM,CATEGORY,TEXT" (with or without ";RRULE"/",RRULE").
bool IsOrganizerCsvHeader(std::string_view line);

// One line without its line end: fields cut at ";" (at "," in a line without ";"), the
// date in `format`, the time as hour and minute; ALARM 1 sets the alarm; a CATEGORY (0..3)
// or RRULE (0..4) number out of range, or missing, gives 0. Nothing when the date or the
// time is invalid.
std::optional<EntryValues> ParseCsvLine(std::string_view line, const DateFormat& format);

struct CsvImportResult {
  int messageId = 0;  // kStrCantOpenExportFile or kStrUnsuitableHeader; nothing read then
  int skipped = 0;    // lines not imported: invalid ones, and those after a stop
};

// Reads `file` and hands each good line to `entry` until it returns false (the organizer
// is full). Empty lines are passed over; lines longer than 1023 bytes count as invalid.
CsvImportResult ImportOrganizerCsv(const std::filesystem::path& file, const DateFormat& format,
                                   const std::function<bool(const EntryValues&)>& entry);

}  // namespace telvane::organizer
