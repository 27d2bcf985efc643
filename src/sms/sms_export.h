// The SMS list as a CSV or an XML file, every row in the list's order. CSV exports add to
// the file; an XML export replaces it, as a second document appended would not be XML.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "base/outcome.h"
#include "sms/sms_list.h"

namespace telvane::sms {

enum class SmsExportFormat { kCsv, kXml };

inline constexpr int kStrCantOpenExportFile = 25;

// The bytes of one export, lines ended by CR LF. Cells are cut to their limits (index 9,
// date 29, number 29, name 59, text 511); in the text ",", ";", CR and LF become blanks.
// CSV: "NR,NAME,TELNUM,DATE,TEXT", then "index,name,'number,date,text" per row; a field
// holding a "," or a double quote is quoted, its quotes doubled. XML: every field
// escaped, control characters XML does not allow as blanks, ISO 8859-1 as declared.
std::string SmsExportText(std::span<const SmsListRow> rows, SmsExportFormat format);

// Writes the export into `file` (CSV appended, XML anew); not done with
// kStrCantOpenExportFile when the file cannot be opened or written.
base::Outcome ExportSmsList(std::span<const SmsListRow> rows, const std::filesystem::path& file,
                            SmsExportFormat format);

}  // namespace telvane::sms
