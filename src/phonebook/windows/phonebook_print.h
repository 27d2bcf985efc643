// The printed phone book: a title line with the book, the date, the time and the page
// number, then one line per entry, lines holding "!" in red. The layout is computed from
// the printer's metrics so that it does not depend on the backend.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "phonebook/address_vcard.h"
#include "phonebook/phonebook_store.h"
#include "ui/ui.h"

namespace telvane::phonebook {

inline constexpr std::string_view kPrintDocumentName = "Keltrin Phonebook";
inline constexpr int kPrintPoints = 14;

// "Phonebook S45 SIM 9/03/2001, 14:05 - 1"; two blanks before the hyphen in every
// language but English.
std::string PrintTitle(int languageId, Book book, const LocalTime& time, int page);

struct PrintLayout {
  int x = 0;  // left edge of every line
  int offsetY = 0;
  int lineHeight = 1;    // L
  int linesPerPage = 1;  // N: entry lines below the title
  int TitleY() const { return offsetY + 2 * lineHeight; }
  int LineY(int line) const { return offsetY + (line + 4) * lineHeight; }
};
// N = (physical height - 6 L - 2 offset y) / L, at least 1.
PrintLayout ComputePrintLayout(const ui::PageMetrics& metrics, int lineHeight);

// The line of one row of the phone book list (cells: position, name, number); address
// book rows add the details of the entry with that position.
std::string PrintLine(const PhonebookStore& store, Book book, std::string_view position,
                      std::string_view name, std::string_view number);

// Prints one copy: pages of `lines` under their titles. `aborted` is asked after every
// line; when it answers true the document stops at once.
void PrintDocument(ui::PrintJob& job, const PrintLayout& layout, int languageId, Book book,
                   const LocalTime& time, const std::vector<std::string>& lines,
                   const std::function<bool()>& aborted);

}  // namespace telvane::phonebook
