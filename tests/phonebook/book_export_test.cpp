// Exports of the book on show: exact CSV lines, well-formed XML that any reader gets the
// texts back from, vCard texts.
#include "phonebook/book_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/temp_dir.h"

namespace telvane::phonebook {
namespace {

using testing::ReadFile;

// Runs xmllint with `arguments` and returns its standard output without the last newline;
// fails the test when it does not exit 0.
std::string Xmllint(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "xmllint");
  testing::ProgramRun run = testing::RunProgram(arguments);
  EXPECT_EQ(run.status, 0) << run.err;
  if (!run.out.empty() && run.out.back() == '\n') run.out.pop_back();
  return run.out;
}

class BookExportTest : public ::testing::Test {
 protected:
  void SimBook() {
    store_.currentBook = Book::kSim;
    store_.entries.Add(PhonebookEntry{3, "+4930", 145, "Anna!"});
    store_.entries.Add(PhonebookEntry{4, "0891", 129, "Gone"});
    store_.entries.Add(PhonebookEntry{5, "0301", 129, "Tom & Jerry <TJ> \"Q\" 'A' M\xFCller"});
    store_.deletedEntries.Add(1);
  }
  void AddressBook() {
    store_.currentBook = Book::kInternal;
    store_.entries.Add(PhonebookEntry{8, "+4930", 145, "Miller;John!"});
    store_.addresses.Set(0, {.position = 8,
                             .firstName = "John",
                             .lastName = "Miller",
                             .company = "ACME; Inc",
                             .street = "Main St 1",
                             .city = "Springfield",
                             .state = "IL",
                             .postalCode = "12345",
                             .country = "USA",
                             .workNumber = "0301",
                             .cellNumber = "0171",
                             .email = "john@example.com"});
  }

  testing::TempDir dir_;
  PhonebookStore store_;
};

TEST_F(BookExportTest, CsvLinesLeaveOutDeletedEntriesAndTheRedbookMark) {
  SimBook();
  ASSERT_TRUE(ExportBook(store_, dir_ / "book.csv", ExportFormat::kCsv).done);
  EXPECT_EQ(ReadFile(dir_ / "book.csv"),
            "NR;NAME;TELNUM\r\n3;Anna;'+4930\r\n"
            "5;Tom & Jerry <TJ> \"Q\" 'A' M\xFCller;'0301\r\n");
}

TEST_F(BookExportTest, ExtendedCsvKeepsItsColumns) {
  AddressBook();
  EXPECT_EQ(BookExportText(store_, ExportFormat::kCsv),
            "NR;NAME;FIRSTNAME;LASTNAME;COMPANY;STREET;CITY;ZIPCODE;COUNTRY;TELNUM;TELWORK;"
            "TELCELL;TELFAX;EMAIL;WEBPAGE\r\n"
            "8;Miller John;John;Miller;ACME  Inc;Main St 1;Springfield;12345;USA;'+4930;'0301;"
            "'0171;';john@example.com;\r\n");
}

TEST_F(BookExportTest, XmlIsWellFormedAndGivesTheTextsBack) {
  ASSERT_TRUE(testing::FindOnPath("xmllint")) << "xmllint is missing";
  SimBook();
  const auto simple = dir_ / "book.xml";
  ASSERT_TRUE(ExportBook(store_, simple, ExportFormat::kXml).done);
  const std::string text = ReadFile(simple);
  EXPECT_TRUE(text.starts_with(
      "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<PHONEBOOK>\r\n<ENTRY>\r\n"));
  EXPECT_NE(text.find("<NAME>Anna</NAME>\r\n"), std::string::npos);
  Xmllint({"--noout", simple.string()});
  EXPECT_EQ(Xmllint({"--xpath", "string(//ENTRY[2]/NAME)", simple.string()}),
            "Tom & Jerry <TJ> \"Q\" 'A' M\xC3\xBCller");  // xmllint answers in UTF-8
  EXPECT_EQ(Xmllint({"--xpath", "count(//ENTRY)", simple.string()}), "2");

  store_ = PhonebookStore{};
  AddressBook();
  const auto extended = dir_ / "address.xml";
  ASSERT_TRUE(ExportBook(store_, extended, ExportFormat::kXml).done);
  Xmllint({"--noout", extended.string()});
  EXPECT_EQ(Xmllint({"--xpath", "string(//ENTRY[1]/COMPANY)", extended.string()}), "ACME; Inc");
  EXPECT_EQ(Xmllint({"--xpath", "string(//ENTRY[1]/TELCELL)", extended.string()}), "0171");
}

TEST_F(BookExportTest, VcardsOfBothKindsOfBook) {
  const LocalTime utc{2001, 10, 5, 12, 30, 0};
  SimBook();
  EXPECT_EQ(VcardExportText(store_, 0, utc),
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Anna\r\nFN:Anna\r\nTEL;HOME;VOICE:+4930\r\n"
            "REV:20011005T123000Z\r\nEND:VCARD\r\n");
  EXPECT_EQ(VcardFileName(PhonebookEntry{1, "", 129, "A/B:C!"}), "ABC");
  EXPECT_EQ(ExportFileName(Book::kSimFix, "csv"), "Telvane_FD.csv");

  store_ = PhonebookStore{};
  AddressBook();
  ASSERT_TRUE(ExportVcard(store_, 0, dir_ / "miller.vcf", utc).done);
  EXPECT_EQ(ReadFile(dir_ / "miller.vcf"),
            "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Miller;John\r\nFN:Miller;John\r\nORG:ACME; Inc\r\n"
            "EMAIL;PREF;INTERNET:john@example.com\r\n"
            "ADR;HOME:;;Main St 1;Springfield;IL;12345;USA\r\nTEL;HOME;VOICE:+4930\r\n"
            "TEL;WORK;VOICE:0301\r\nTEL;CELL;VOICE:0171\r\nREV:20011005T123000Z\r\nEND:VCARD\r\n");
}

TEST_F(BookExportTest, AFileThatCannotBeCreatedIsReported) {
  SimBook();
  const Outcome book = ExportBook(store_, dir_ / "missing" / "book.csv", ExportFormat::kCsv);
  const Outcome card = ExportVcard(store_, 0, dir_.Path(), UtcTimeNow());
  EXPECT_FALSE(book.done);
  EXPECT_FALSE(card.done);
  EXPECT_EQ(book.messageId, 25);
  EXPECT_EQ(card.messageId, 25);
}

}  // namespace
}  // namespace telvane::phonebook
