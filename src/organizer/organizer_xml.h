// The organizer as an XML document: the rows with a date, every field escaped, ISO 8859-1
// as declared. The file is replaced, as a second document appended would not be XML.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "base/outcome.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

// The declaration, "<ORGANIZER>", an "<ENTRY>" with DATE (the date column with "." for
// "/"), TIME, ALARM, CATEGORY, TEXT and RRULE per row with a date, "</ORGANIZER>"; lines
// ended by CR LF.
std::string XmlExportText(std::span<const OrganizerEntry> rows, int languageId);
// Writes the document into `file`, replacing it; not done with string 25 when it cannot
// be opened or written.
base::Outcome ExportOrganizerXml(std::span<const OrganizerEntry> rows,
                                 const std::filesystem::path& file, int languageId);

}  // namespace telvane::organizer
