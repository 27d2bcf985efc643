// The printed book: titles per language, page breaks from the printer's metrics, red
// Redbook lines, copies and the address book's long lines.
#include "phonebook/windows/phonebook_print.h"

#include <gtest/gtest.h>

namespace telvane::phonebook {
namespace {

// Records what a printer is asked to do, one text per call.
class RecordingJob final : public ui::PrintJob {
 public:
  int Copies() const override { return 1; }
  ui::PageMetrics Metrics() const override { return {150, 1754, 25, 25}; }
  int SelectFont(int) override { return 29; }
  void StartDocument(std::string_view name) override {
    calls.push_back("document " + std::string(name));
  }
  void StartPage() override { calls.push_back("page"); }
  void Text(int, int y, std::string_view text, bool red) override {
    calls.push_back((red ? "red " : "") + std::to_string(y) + " " + std::string(text));
  }
  void EndPage() override { calls.push_back("end page"); }
  void EndDocument() override { calls.push_back("end document"); }
  void AbortDocument() override { calls.push_back("aborted"); }
  std::vector<std::string> calls;
};

const LocalTime kSeptember3{2001, 9, 3, 14, 5, 0};

TEST(PrintTitle, LanguagesAndTheirSpacing) {
  EXPECT_EQ(PrintTitle(7, Book::kSim, kSeptember3, 1), "Telefonbuch S45 SIM 9/03/2001, 14:05  - 1");
  EXPECT_EQ(PrintTitle(9, Book::kSimFix, kSeptember3, 2),
            "Phonebook S45 SIM fix 9/03/2001, 14:05 - 2");
  EXPECT_EQ(PrintTitle(33, Book::kInternal, kSeptember3, 3),
            "Phonebook S45 Internal 9/03/2001, 14:05 - 3");
  EXPECT_EQ(PrintTitle(22, Book::kSim, kSeptember3, 1),
            "Lista telef\xF3nica S45 SIM 9/03/2001, 14:05  - 1");
}

TEST(PrintDocument, ExactlyNEntriesStartASecondPageWithOnlyItsTitle) {
  RecordingJob job;
  const PrintLayout layout = ComputePrintLayout(job.Metrics(), job.SelectFont(kPrintPoints));
  EXPECT_EQ(layout.linesPerPage, 52);  // (1754 - 6 x 29 - 2 x 25) / 29
  EXPECT_EQ(layout.x, 35);
  std::vector<std::string> lines(static_cast<std::size_t>(layout.linesPerPage), "  1 Anna,  +4930");
  lines[1] = "  2 Mama!,  0891";
  PrintDocument(job, layout, 9, Book::kSim, kSeptember3, lines, {});
  const std::vector<std::string>& c = job.calls;
  ASSERT_EQ(c.size(), 2u + 1u + lines.size() + 1u + 1u + 1u + 2u);
  EXPECT_EQ(c[0], "document Keltrin Phonebook");
  EXPECT_EQ(c[2], "83 Phonebook S45 SIM 9/03/2001, 14:05 - 1");
  EXPECT_EQ(c[3], "141   1 Anna,  +4930");
  EXPECT_EQ(c[4], "red 170   2 Mama!,  0891");
  const std::size_t afterLines = 3 + lines.size();
  EXPECT_EQ(c[afterLines], "end page");
  EXPECT_EQ(c[afterLines + 1], "page");
  EXPECT_EQ(c[afterLines + 2], "83 Phonebook S45 SIM 9/03/2001, 14:05 - 2");
  EXPECT_EQ(c[afterLines + 3], "end page");
  EXPECT_EQ(c.back(), "end document");
}

TEST(PrintDocument, AnAbortEndsTheDocumentAtOnce) {
  RecordingJob job;
  const PrintLayout layout = ComputePrintLayout(job.Metrics(), 29);
  int asked = 0;
  PrintDocument(job, layout, 9, Book::kSim, kSeptember3, {"a", "b", "c"},
                [&] { return ++asked == 2; });
  EXPECT_EQ(job.calls.back(), "170 b");  // no end page, no end document after the abort
}

TEST(PrintLine, PlainBooksAndAddressDetails) {
  PhonebookStore store;
  EXPECT_EQ(PrintLine(store, Book::kSim, "5", "Anna", "+4930"), "  5 Anna,  +4930");
  EXPECT_EQ(PrintLine(store, Book::kSim, "12345", "Bo", "1"), "1234 Bo,  1");

  store.entries.Add(PhonebookEntry{8, "+4930", 145, "Miller;John"});
  ASSERT_TRUE(store.addresses.Set(0, {.position = 8,
                                      .firstName = "John",
                                      .lastName = "Miller",
                                      .street = "Main St 1",
                                      .city = "Springfield",
                                      .postalCode = "12345",
                                      .country = "USA",
                                      .cellNumber = "0171",
                                      .email = "john@example.com"}));
  EXPECT_EQ(PrintLine(store, Book::kInternal, "8", "Miller;John", "+4930"),
            "  8 Miller;John, Miller John Main St 1 12345 Springfield USA, +4930  0171 , "
            "john@example.com ");
}

}  // namespace
}  // namespace telvane::phonebook
