// One organizer row as a vCalendar 1.0 file for other calendar programs: the start in
// UTC from the time zone's rules for that date, the description in UTF-8.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "organizer/organizer_entry.h"

namespace telvane::organizer {

inline constexpr std::string_view kVcalendarExportName = "TelvaneORGA.vcs";

// BEGIN:VCALENDAR, VERSION:1.0, BEGIN:VEVENT, DTSTART and DTEND (the same UTC value
// "YYYYMMDDTHHMM00Z"), SUMMARY (the description with "\", ";" and "," escaped, control
// characters as blanks, in UTF-8 with CHARSET=UTF-8 when not plain ASCII), DALARM and
// AALARM with the start when the row has an alarm, END:VEVENT, END:VCALENDAR; lines ended
// by CR LF and folded at 75 bytes. Nothing for a row without a valid date (an empty time
// counts as 00:00).
std::optional<std::string> VcalendarExportText(const OrganizerEntry& row);

// Writes the row to kVcalendarExportName in `folder` through a new file of its own in
// that folder renamed into place, so a link planted under that name is replaced, never
// followed. Not done with string 25 when the file cannot be written; not done without a
// message for a row without a date.
base::Outcome ExportOrganizerVcalendar(const OrganizerEntry& row,
                                       const std::filesystem::path& folder);

}  // namespace telvane::organizer
