// CSV imports against a scripted phone: the exact commands, the PIN2 protocol around the
// whole import, the store and the window's report, and files that are not what they say.
#include "phonebook/csv_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "phone_book_test.h"
#include "phonebook/book_export.h"
#include "phonebook/phonebook_messages.h"
#include "support/hex_text.h"

namespace telvane::phonebook {
namespace {

using Reports = std::vector<std::pair<std::size_t, bool>>;
const LocalTime kNow{2001, 10, 5, 14, 30, 0};

class CsvImportTest : public PhoneBookTest {
 protected:
  std::size_t Import(const std::string& content, bool overwrite) {
    testing::WriteFile(file_, content);
    return ImportFile(file_, overwrite);
  }
  std::size_t ImportFile(const std::filesystem::path& file, bool overwrite) {
    WriteContext context = Context();
    return ImportCsv(
        context, feedback_, file, overwrite,
        [this](std::size_t slot, bool added) { reports_.emplace_back(slot, added); }, kNow);
  }

  std::filesystem::path file_ = dir_ / "book.csv";
  Reports reports_;
};

constexpr const char* kExtendedHeader =
    "NR;NAME;FIRSTNAME;LASTNAME;COMPANY;STREET;CITY;ZIPCODE;COUNTRY;TELNUM;TELWORK;TELCELL;"
    "TELFAX;EMAIL;WEBPAGE\r\n";
constexpr const char* kMueller = "NR;NAME;TELNUM\r\n5;M\xFCller;'+491701234567\r\n";

TEST_F(CsvImportTest, MuellerGoesToItsOwnPositionWhenOverwriting) {
  LoadedBook(Book::kSim, {5, 12});
  Replies({kOk, kOk});
  EXPECT_EQ(Import(kMueller, true), 1u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT+CPBW=5,+491701234567,145,\"M\\7Eller\""}));
  ASSERT_EQ(store_.EntryCount(), 1u);
  EXPECT_EQ(Fields(store_.entries[0]), Fields({5, "+491701234567", 145, "M\xFCller"}));
  EXPECT_EQ(store_.freePositions.Element(1), 0);  // position 5 is no longer free
  EXPECT_EQ(reports_, (Reports{{0, true}}));

  // The same line again changes the entry it wrote.
  Replies({kOk, kOk});
  EXPECT_EQ(Import(kMueller, true), 1u);
  EXPECT_EQ(store_.EntryCount(), 1u);
  EXPECT_EQ(reports_.back(), (std::pair<std::size_t, bool>{0, false}));
  EXPECT_TRUE(feedback_.shown.empty());
}

TEST_F(CsvImportTest, MuellerGoesToTheFirstFreePositionOtherwise) {
  LoadedBook(Book::kSim, {12});
  Replies({kOk, kOk});
  EXPECT_EQ(Import(std::string(kMueller) + "6;Bob;'0301\r\n", false), 1u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT+CPBW=12,+491701234567,145,\"M\\7Eller\""}));
  EXPECT_EQ(store_.entries[0].position, 12);
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrNoFreeEntry}));  // and the import stopped
}

TEST_F(CsvImportTest, LinesThatDoNotParseAreSkipped) {
  LoadedBook(Book::kSim, {});
  Replies({kOk, kOk, kOk});
  // Line 5's number holds a quote and letters: no number, skipped.
  const std::size_t written = Import(
      "NR,NAME,TELNUM\n"
      "1;NoApostrophe;0301\n"
      "2;OneSeparator\n"
      "3,Comma,'0302\n"
      "4;Empty;'\n"
      "5;\"Quote\x1A;'0303\"ATD\r\n"
      "0;Outside;'0304\n",
      true);
  EXPECT_EQ(written, 1u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT+CPBW=3,0302,129,\"Comma\""}));
  EXPECT_TRUE(feedback_.shown.empty());
}

TEST_F(CsvImportTest, AnExportedBookImportsBack) {
  PhonebookStore exported;
  exported.currentBook = Book::kSim;
  exported.entries.Add(PhonebookEntry{3, "+4930", 145, "Anna!"});
  exported.entries.Add(PhonebookEntry{4, "0301", 129, "A;B, C"});
  LoadedBook(Book::kSim, {});
  Replies({kOk, kOk, kOk});
  EXPECT_EQ(Import(BookExportText(exported, ExportFormat::kCsv), true), 2u);
  EXPECT_EQ(SentLines(),
            (Lines{"AT^SPBS=SM", "AT+CPBW=3,+4930,145,\"Anna\"", "AT+CPBW=4,0301,129,\"A B, C\""}));
}

TEST_F(CsvImportTest, UnsuitableHeaderAndMissingFileAreReported) {
  LoadedBook(Book::kSim, {1});
  Replies({kOk});
  EXPECT_EQ(Import("NAME;NUMBER\r\n1;Anna;'0301\r\n", true), 0u);
  Replies({kOk});
  EXPECT_EQ(ImportFile(dir_ / "missing.csv", true), 0u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT^SPBS=SM"}));
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrUnsuitableHeader, kStrCantOpenFile}));
}

TEST_F(CsvImportTest, FixedDiallingRunsThePin2ProtocolOnceAroundTheImport) {
  LoadedBook(Book::kSimFix, {});
  Replies({kOk, kOk, "\r\n+CME ERROR: SIM PIN2 required\r\n", "\r\n+CPIN: SIM PIN2\r\n\r\nOK\r\n",
           kOk, kOk, "\r\nERROR\r\n", kOk, kOk});
  const std::size_t written =
      Import("NR;NAME;TELNUM\r\n1;Police;'110\r\n2;Bad;'999\r\n3;Help;'112\r\n", true);
  EXPECT_EQ(written, 2u);
  EXPECT_EQ(asked_, 1);
  EXPECT_EQ(SentLines(),
            (Lines{"AT^SPBS=FD", "AT+CMEE=2", "AT+CPBW=1,110,129,\"Police\"", "AT+CPIN?",
                   "AT+CPIN=1234", "AT+CPBW=1,110,129,\"Police\"", "AT+CPBW=2,999,129,\"Bad\"",
                   "AT+CPBW=3,112,129,\"Help\"", "AT+CMEE=0"}));
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrCantWriteNew}));
}

TEST_F(CsvImportTest, ARejectedPin2EndsTheImport) {
  LoadedBook(Book::kSimFix, {});
  pin2_ = "9999";
  Replies({kOk, kOk, "\r\n+CME ERROR: SIM PIN2 required\r\n", kOk,
           "\r\n+CME ERROR: incorrect password\r\n"});
  EXPECT_EQ(Import("NR;NAME;TELNUM\r\n1;Police;'110\r\n3;Help;'112\r\n", true), 0u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=FD", "AT+CMEE=2", "AT+CPBW=1,110,129,\"Police\"",
                                "AT+CPIN?", "AT+CPIN=9999"}));
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrPin2Rejected}));
  EXPECT_FALSE(pin2_);
  EXPECT_EQ(asked_, 0);
}

TEST_F(CsvImportTest, ExtendedLinesBecomeAddressObjects) {
  LoadedBook(Book::kInternal, {4});
  Replies({"\r\n> ", kOk, "\r\n> ", kOk});
  const std::string header = kExtendedHeader;
  EXPECT_EQ(Import(header + "8;Miller John;John;Miller;;;Springfield;;;'+4930;';';';;\r\n"
                            "9;Short;;Lee\r\n",
                   false),
            1u);
  const std::string miller =
      "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20011005T143000\r\nN:Miller;John\r\n"
      "ADR:;;;Springfield;;;\r\nTEL;HOME:+4930\r\nEND:VCARD\r\n";
  const std::string lee =
      "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20011005T143000\r\nN:Lee\r\nEND:VCARD\r\n";
  // Without overwrite the first goes to the free index 4; the second finds none.
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrNoFreeEntry}));
  feedback_.shown.clear();
  ASSERT_EQ(miller.size(), 112u);  // two blocks
  EXPECT_EQ(SentLines(),
            (Lines{"AT^SBNW=\"vcf\",4,1,2", testing::Hex(miller.substr(0, 100)) + "\x1A",
                   "AT^SBNW=\"vcf\",4,2,2", testing::Hex(miller.substr(100)) + "\x1A"}));
  EXPECT_EQ(Fields(store_.entries[0]), Fields({5, "+4930", 145, "Miller;John"}));
  EXPECT_EQ(store_.addresses.Find(0)->city, "Springfield");

  // With overwrite NR 9 is object index 8; NR 0 and 502 lie outside the book.
  Replies({"\r\n> ", kOk});
  EXPECT_EQ(Import(header + "9;Short;;Lee\r\n0;Zero;;Z\r\n502;Far;;F\r\n", true), 1u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SBNW=\"vcf\",8,1,1", testing::Hex(lee) + "\x1A"}));
  EXPECT_EQ(reports_, (Reports{{0, true}, {1, true}}));
  EXPECT_TRUE(feedback_.shown.empty());
}

TEST_F(CsvImportTest, RefusedAddressObjectIsReportedAndTheImportGoesOn) {
  LoadedBook(Book::kInternal, {});
  Replies({"\r\nERROR\r\n", "\r\n> ", kOk});
  EXPECT_EQ(Import(std::string(kExtendedHeader) + "9;Short;;Lee\r\n10;Other;;Ray\r\n", true), 1u);
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrCantWriteObject}));
  const Lines sent = SentLines();
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0], "AT^SBNW=\"vcf\",8,1,1");
  EXPECT_EQ(sent[1], "AT^SBNW=\"vcf\",9,1,1");
  EXPECT_EQ(reports_, (Reports{{0, true}}));
}

TEST_F(CsvImportTest, EnormousAndBinaryFilesEndWithoutHarm) {
  LoadedBook(Book::kSim, {});
  {
    std::ofstream big(file_, std::ios::binary);
    big << "NR;NAME;TELNUM\n";
    const std::string longLine(2000, ';');
    for (int i = 0; i < 25'000; ++i) big << longLine << '\n';  // 50 MB of overlong lines
    big << std::string(10'000'000, 'x');                       // and a 10 MB line without end
    big << "\n7;Kept;'0307\n";
  }
  Replies({kOk, kOk});
  EXPECT_EQ(ImportFile(file_, true), 1u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT+CPBW=7,0307,129,\"Kept\""}));

  Replies({kOk});
  EXPECT_EQ(Import(std::string(10'000'000, 'N') + "NR;NAME;TELNUM\n1;A;'1\n", true), 0u);
  Replies({kOk});
  EXPECT_EQ(Import(std::string("NR;NAME;TELNUM\n\0\xFF\x1A;\0;'\x1A\n", 21), true), 0u);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT^SPBS=SM"}));
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrUnsuitableHeader}));
}

}  // namespace
}  // namespace telvane::phonebook
