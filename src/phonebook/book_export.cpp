#include "phonebook/book_export.h"

#include <cstdio>
#include <ctime>
#include <fstream>

#include "base/replacing_file.h"
#include "gsm/xml_text.h"
#include "phonebook/entry_command.h"
#include "phonebook/file_fields.h"

namespace telvane::phonebook {
namespace {

constexpr std::string_view kEnd = "\r\n";
constexpr std::string_view kXmlDeclaration = R"(<?xml version="1.0" encoding="ISO-8859-1" ?>)";

std::string CsvField(std::string_view text) { return FieldText(text, ';'); }
std::string CsvNumber(std::string_view number) { return "'" + CsvField(number); }

void XmlElement(std::string& out, std::string_view tag, std::string_view text) {
  out.append("<").append(tag).append(">").append(gsm::XmlEscaped(CleanName(text)));
  out.append("</").append(tag).append(">").append(kEnd);
}

const AddressEntry& DetailsOf(const PhonebookStore& store, std::size_t slot) {
  static const AddressEntry kNone;
  const AddressEntry* details = store.addresses.Find(slot);
  return details ? *details : kNone;
}

void CsvLine(std::string& out, const PhonebookEntry& entry, const AddressEntry* details) {
  std::string line = std::to_string(entry.position) + ";" + CsvField(ExportName(entry.name));
  if (details) {
    for (const std::string* field :
         {&details->firstName, &details->lastName, &details->company, &details->street,
          &details->city, &details->postalCode, &details->country}) {
      line += ";" + CsvField(*field);
    }
    for (const std::string* number :
         {&entry.number, &details->workNumber, &details->cellNumber, &details->faxNumber}) {
      line += ";" + CsvNumber(*number);
    }
    line += ";" + CsvField(details->email) + ";" + CsvField(details->webAddress);
  } else {
    line += ";" + CsvNumber(entry.number);
  }
  out.append(line).append(kEnd);
}

void XmlEntry(std::string& out, const PhonebookEntry& entry, const AddressEntry* details) {
  out.append("<ENTRY>").append(kEnd);
  XmlElement(out, "NO", std::to_string(entry.position));
  XmlElement(out, "NAME", ExportName(entry.name));
  if (details) {
    XmlElement(out, "FIRSTNAME", details->firstName);
    XmlElement(out, "LASTNAME", details->lastName);
    XmlElement(out, "COMPANY", details->company);
    XmlElement(out, "STREET", details->street);
    XmlElement(out, "CITY", details->city);
    XmlElement(out, "ZIPCODE", details->postalCode);
    XmlElement(out, "COUNTRY", details->country);
    XmlElement(out, "TELHOME", entry.number);
    XmlElement(out, "TELWORK", details->workNumber);
    XmlElement(out, "TELCELL", details->cellNumber);
    XmlElement(out, "TELFAX", details->faxNumber);
    XmlElement(out, "EMAIL", details->email);
    XmlElement(out, "WEBPAGE", details->webAddress);
  } else {
    XmlElement(out, "TELNUMBER", entry.number);
  }
  out.append("</ENTRY>").append(kEnd);
}

void VcardLine(std::string& out, std::string_view key, std::string_view value) {
  out.append(key).append(CleanName(value)).append(kEnd);
}

Outcome CantWrite() { return Outcome{false, kStrCantOpenExportFile, 0, base::FailedStep::kFile}; }

Outcome WriteText(const std::filesystem::path& file, const std::string& text) {
  return base::ReplaceFileWith(file, text) ? Outcome{true} : CantWrite();
}

}  // namespace

std::string BookExportText(const PhonebookStore& store, ExportFormat format) {
  const bool extended = store.currentBook == Book::kInternal;
  std::string out;
  if (format == ExportFormat::kCsv) {
    out.append(extended ? kExtendedCsvHeader : kCsvHeader).append(kEnd);
  } else {
    out.append(kXmlDeclaration).append(kEnd).append("<PHONEBOOK>").append(kEnd);
  }
  for (std::size_t slot = 0; slot < store.EntryCount(); ++slot) {
    if (store.IsDeleted(slot)) continue;
    const AddressEntry* details = extended ? &DetailsOf(store, slot) : nullptr;
    if (format == ExportFormat::kCsv) {
      CsvLine(out, store.entries[slot], details);
    } else {
      XmlEntry(out, store.entries[slot], details);
    }
  }
  if (format == ExportFormat::kXml) out.append("</PHONEBOOK>").append(kEnd);
  return out;
}

Outcome ExportBook(const PhonebookStore& store, const std::filesystem::path& file,
                   ExportFormat format) {
  return WriteText(file, BookExportText(store, format));
}

std::string VcardExportText(const PhonebookStore& store, std::size_t slot, const LocalTime& utc) {
  if (slot >= store.EntryCount()) return {};
  const PhonebookEntry& entry = store.entries[slot];
  const std::string name = ExportName(entry.name);
  const bool extended = store.currentBook == Book::kInternal;
  const AddressEntry& details = DetailsOf(store, slot);

  std::string out = "BEGIN:VCARD\r\nVERSION:2.1\r\n";
  VcardLine(out, "N:", name);
  if (extended && !details.firstName.empty()) {
    VcardLine(out, "FN:", details.lastName + ";" + details.firstName);
  } else {
    VcardLine(out, "FN:", name);
  }
  if (extended) {
    if (!details.company.empty()) VcardLine(out, "ORG:", details.company);
    if (!details.email.empty()) VcardLine(out, "EMAIL;PREF;INTERNET:", details.email);
    if (!details.webAddress.empty()) VcardLine(out, "URL:", details.webAddress);
    if (!(details.street + details.city + details.state + details.postalCode + details.country)
             .empty()) {
      VcardLine(out, "ADR;HOME:",
                ";;" + details.street + ";" + details.city + ";" + details.state + ";" +
                    details.postalCode + ";" + details.country);
    }
  }
  VcardLine(out, "TEL;HOME;VOICE:", entry.number);
  if (extended) {
    if (!details.workNumber.empty()) VcardLine(out, "TEL;WORK;VOICE:", details.workNumber);
    if (!details.cellNumber.empty()) VcardLine(out, "TEL;CELL;VOICE:", details.cellNumber);
    if (!details.faxNumber.empty()) VcardLine(out, "TEL;HOME;FAX:", details.faxNumber);
  }
  char revision[32];
  std::snprintf(revision, sizeof revision, "REV:%04d%02d%02dT%02d%02d%02dZ\r\n", utc.year,
                utc.month, utc.day, utc.hour, utc.minute, utc.second);
  out += revision;
  out += "END:VCARD\r\n";
  return out;
}

Outcome ExportVcard(const PhonebookStore& store, std::size_t slot,
                    const std::filesystem::path& file, const LocalTime& utc) {
  if (slot >= store.EntryCount()) return CantWrite();
  return WriteText(file, VcardExportText(store, slot, utc));
}

std::string ExportFileName(Book book, std::string_view extension) {
  const std::string_view code = book == Book::kSim ? "SM" : book == Book::kInternal ? "ME" : "FD";
  return "Telvane_" + std::string(code) + "." + std::string(extension);
}

std::string VcardFileName(const PhonebookEntry& entry) {
  std::string name;
  for (char c : ExportName(entry.name)) {
    if (std::string_view("/\\:*?\"<>|").find(c) == std::string_view::npos) name += c;
  }
  if (name.empty() || name == "." || name == "..") return "entry";
  return name;
}

LocalTime UtcTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return TimeOf(utc);
}

}  // namespace telvane::phonebook
