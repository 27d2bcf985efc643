#include "sms/sms_export.h"

#include <fstream>
#include <iterator>

#include "base/replacing_file.h"
#include "gsm/text_replace.h"
#include "gsm/xml_text.h"

namespace telvane::sms {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

struct ExportFields {
  std::string index, name, number, date, text;
};

std::string Cut(const std::string& text, std::size_t limit) { return text.substr(0, limit); }

ExportFields FieldsOf(const SmsListRow& row) {
  ExportFields fields{Cut(row.cells[kColIndex], 9), Cut(row.cells[kColName], 59),
                      Cut(row.cells[kColNumber], 29), Cut(row.cells[kColDate], 29),
                      Cut(row.cells[kColText], 511)};
  for (std::string_view separator : {",", ";", "\r", "\n"}) {
    gsm::ReplaceAll(fields.text, separator, " ");
  }
  return fields;
}

// RFC 4180: a field with a separator, a quote or a line break goes in quotes.
std::string CsvField(const std::string& field) {
  if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
  std::string quoted = "\"";
  for (const char c : field) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string CsvText(std::span<const SmsListRow> rows) {
  std::string out = "NR,NAME,TELNUM,DATE,TEXT";
  out += kLineEnd;
  for (const SmsListRow& row : rows) {
    const ExportFields f = FieldsOf(row);
    out += CsvField(f.index) + "," + CsvField(f.name) + "," + CsvField("'" + f.number) + "," +
           CsvField(f.date) + "," + CsvField(f.text);
    out += kLineEnd;
  }
  return out;
}

std::string XmlElement(std::string_view tag, std::string_view value) {
  std::string out =
      "<" + std::string(tag) + ">" + gsm::XmlEscaped(value) + "</" + std::string(tag) + ">";
  return out + std::string(kLineEnd);
}

std::string XmlDocument(std::span<const SmsListRow> rows) {
  std::string out = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>";
  out += kLineEnd;
  out += "<SMSLIST>";
  out += kLineEnd;
  for (const SmsListRow& row : rows) {
    const ExportFields f = FieldsOf(row);
    out += "<MESSAGE>";
    out += kLineEnd;
    out += XmlElement("NO", f.index) + XmlElement("NAME", f.name) + XmlElement("TELNUM", f.number) +
           XmlElement("DATE", f.date) + XmlElement("TEXT", f.text);
    out += "</MESSAGE>";
    out += kLineEnd;
  }
  out += "</SMSLIST>";
  out += kLineEnd;
  return out;
}

}  // namespace

std::string SmsExportText(std::span<const SmsListRow> rows, SmsExportFormat format) {
  return format == SmsExportFormat::kCsv ? CsvText(rows) : XmlDocument(rows);
}

base::Outcome ExportSmsList(std::span<const SmsListRow> rows, const std::filesystem::path& file,
                            SmsExportFormat format) {
  // A CSV export is added to the file's end: the new file starts with the old content.
  std::string text;
  if (format == SmsExportFormat::kCsv) {
    std::error_code missing;
    if (std::filesystem::exists(file, missing)) {
      if (!std::filesystem::is_regular_file(file, missing)) return {false, kStrCantOpenExportFile};
      std::ifstream old(file, std::ios::binary);
      if (!old) return {false, kStrCantOpenExportFile};
      text.assign(std::istreambuf_iterator<char>(old), {});
      if (old.bad()) return {false, kStrCantOpenExportFile};
    }
  }
  text += SmsExportText(rows, format);
  if (!base::ReplaceFileWith(file, text)) return {false, kStrCantOpenExportFile};
  return {true};
}

}  // namespace telvane::sms
