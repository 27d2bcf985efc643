#include "phonebook/windows/phonebook_print.h"

#include <algorithm>
#include <cstdio>

namespace telvane::phonebook {
namespace {

constexpr const char* kPrintBookNames[] = {"SIM", "Internal", "SIM fix"};

const char* TitleWord(int languageId) {
  switch (languageId) {
    case 7: return "Telefonbuch";
    case 19: return "Telefoonboek";
    case 16: return "Rubrica";
    case 10: return "Listin";
    case 12: return "Annuaire";
    case 20: return "Telefonbok";
    case 22: return "Lista telef\xF3nica";
    default: return "Phonebook";
  }
}

bool IsEnglishTitle(int languageId) {
  switch (languageId) {
    case 7:
    case 19:
    case 16:
    case 10:
    case 12:
    case 20:
    case 22: return false;
    default: return true;
  }
}

// "%3s": right-aligned in three characters, longer texts whole.
std::string Padded(std::string_view text, std::size_t width) {
  std::string out(text.size() < width ? width - text.size() : 0, ' ');
  out += text;
  return out;
}

std::string_view Cut(std::string_view text, std::size_t limit) { return text.substr(0, limit); }

const AddressEntry* AddressWithPosition(const PhonebookStore& store, int position) {
  const AddressEntry* found = nullptr;  // the last slot with the position counts
  for (std::size_t slot = 0; slot < store.EntryCount(); ++slot) {
    const AddressEntry* address = store.addresses.Find(slot);
    if (address != nullptr && address->position == position) found = address;
  }
  return found;
}

}  // namespace

std::string PrintTitle(int languageId, Book book, const LocalTime& time, int page) {
  char text[160];
  std::snprintf(text, sizeof text, "%s S45 %s %d/%02d/%4d, %02d:%02d %s- %d", TitleWord(languageId),
                kPrintBookNames[static_cast<int>(book)], time.month, time.day, time.year, time.hour,
                time.minute, IsEnglishTitle(languageId) ? "" : " ", page);
  return text;
}

PrintLayout ComputePrintLayout(const ui::PageMetrics& metrics, int lineHeight) {
  PrintLayout layout;
  layout.lineHeight = std::max(1, lineHeight);
  layout.x = metrics.offsetX + 10;
  layout.offsetY = metrics.offsetY;
  layout.linesPerPage =
      std::max(1, (metrics.physicalHeight - 6 * layout.lineHeight - 2 * metrics.offsetY) /
                      layout.lineHeight);
  return layout;
}

std::string PrintLine(const PhonebookStore& store, Book book, std::string_view position,
                      std::string_view name, std::string_view number) {
  std::string line = Padded(Cut(position, 4), 3) + " ";
  if (book != Book::kInternal) {
    line.append(Cut(name, 259)).append(",  ").append(Cut(number, 49));
    return line;
  }
  int value = 0;
  std::sscanf(std::string(Cut(position, 4)).c_str(), "%d", &value);
  static const AddressEntry kNone;
  const AddressEntry* found = AddressWithPosition(store, value);
  const AddressEntry& a = found != nullptr ? *found : kNone;
  // "%3s %s, %s %s %s %s %s %s, %s %s %s %s, %s %s"
  line.append(name).append(", ");
  line.append(a.lastName).append(" ").append(a.firstName).append(" ").append(a.street).append(" ");
  line.append(a.postalCode).append(" ").append(a.city).append(" ").append(a.country).append(", ");
  line.append(number).append(" ").append(a.workNumber).append(" ").append(a.cellNumber).append(" ");
  line.append(a.faxNumber).append(", ").append(a.email).append(" ").append(a.webAddress);
  return line;
}

void PrintDocument(ui::PrintJob& job, const PrintLayout& layout, int languageId, Book book,
                   const LocalTime& time, const std::vector<std::string>& lines,
                   const std::function<bool()>& aborted) {
  job.StartDocument(kPrintDocumentName);
  int page = 1;
  int line = 0;
  job.StartPage();
  job.Text(layout.x, layout.TitleY(), PrintTitle(languageId, book, time, page), false);
  for (const std::string& text : lines) {
    job.Text(layout.x, layout.LineY(line), text, text.find('!') != std::string::npos);
    if (aborted && aborted()) return;
    if (++line > layout.linesPerPage - 1) {
      job.EndPage();
      job.StartPage();
      line = 0;
      job.Text(layout.x, layout.TitleY(), PrintTitle(languageId, book, time, ++page), false);
    }
  }
  job.EndPage();
  job.EndDocument();
}

}  // namespace telvane::phonebook
