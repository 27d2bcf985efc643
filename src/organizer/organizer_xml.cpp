#include "organizer/organizer_xml.h"

#include <cstdio>
#include <fstream>

#include "gsm/xml_text.h"
#include "organizer/export_fields.h"
#include "organizer/organizer_csv.h"

namespace telvane::organizer {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string Element(std::string_view tag, std::string_view value) {
  return "<" + std::string(tag) + ">" + gsm::XmlEscaped(value) + "</" + std::string(tag) + ">" +
         std::string(kLineEnd);
}

std::string DottedDate(const CivilTime& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d.%02d.%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace

std::string XmlExportText(std::span<const OrganizerEntry> rows, int languageId) {
  std::string out = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>";
  out += kLineEnd;
  out += "<ORGANIZER>";
  out += kLineEnd;
  for (const OrganizerEntry& row : rows) {
    const std::optional<ExportFields> f = FieldsOfRow(row, languageId);
    if (!f) continue;
    out += "<ENTRY>";
    out += kLineEnd;
    out += Element("DATE", DottedDate(f->date)) + Element("TIME", f->time) +
           Element("ALARM", f->alarm) + Element("CATEGORY", f->category) +
           Element("TEXT", f->text) + Element("RRULE", f->repeat);
    out += "</ENTRY>";
    out += kLineEnd;
  }
  out += "</ORGANIZER>";
  out += kLineEnd;
  return out;
}

base::Outcome ExportOrganizerXml(std::span<const OrganizerEntry> rows,
                                 const std::filesystem::path& file, int languageId) {
  std::ofstream out(file, std::ios::out | std::ios::binary | std::ios::trunc);
  if (!out) return {false, kStrCantOpenExportFile};
  const std::string text = XmlExportText(rows, languageId);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) return {false, kStrCantOpenExportFile};
  return {true};
}

}  // namespace telvane::organizer
