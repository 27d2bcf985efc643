// The external book file: sections replaced in place, lines that read back, bad files.
#include "phonebook/external_book.h"

#include <gtest/gtest.h>

#include <string>

#include "phone_book_test.h"
#include "support/temp_dir.h"

namespace telvane::phonebook {
namespace {

using testing::ReadFile;
using testing::WriteFile;

class ExternalBookTest : public ::testing::Test {
 protected:
  std::filesystem::path File() const { return dir_ / std::string(kExternalBookName); }
  void Book(phonebook::Book book, std::initializer_list<PhonebookEntry> entries) {
    store_ = PhonebookStore{};
    store_.currentBook = book;
    store_.completeBook = book;  // as after a complete read
    for (const PhonebookEntry& entry : entries) store_.entries.Add(entry);
  }
  ExternalBookTable Read() {
    ExternalBookTable table;
    ReadExternalBook(File(), table);
    return table;
  }

  testing::TempDir dir_;
  PhonebookStore store_;
};

TEST_F(ExternalBookTest, SavingABookAppendsOrReplacesOnlyItsSection) {
  WriteFile(File(), "[SIM]\n1,Anna,0301\n");
  Book(Book::kInternal, {{2, "0891", 129, "Miller;John!"}, {3, "0892", 129, "Gone"}});
  store_.deletedEntries.Add(1);
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  EXPECT_EQ(ReadFile(File()), "[SIM]\r\n1,Anna,0301\r\n[INT]\r\n2,Miller;John!+,0891\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir_ / std::string(kExternalBookTemporaryName)));

  // A SIM fix save goes behind the two sections; later saves replace a section in place.
  Book(Book::kSimFix, {{1, "110", 129, "Police"}});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  Book(Book::kSim, {{5, "+4930", 145, "Anna"}, {6, "0891", 129, "Bob"}});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  EXPECT_EQ(ReadFile(File()),
            "[SIM]\r\n5,Anna,+4930\r\n6,Bob,0891\r\n[INT]\r\n2,Miller;John!+,0891\r\n"
            "[FDN]\r\n1,Police*,110\r\n");
  Book(Book::kSimFix, {{7, "112", 129, "Help"}, {8, "110", 129, "Police"}});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  Book(Book::kInternal, {});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  EXPECT_EQ(ReadFile(File()),
            "[SIM]\r\n5,Anna,+4930\r\n6,Bob,0891\r\n[INT]\r\n"
            "[FDN]\r\n7,Help*,112\r\n8,Police*,110\r\n");
}

TEST_F(ExternalBookTest, LinesReadBackWithMarksCommasAndLineBreaks) {
  WriteFile(File(), "[INT]\n12,Anna+,0301234567\n");
  ExternalBookTable table = Read();
  ASSERT_EQ(table.Count(), 1u);
  EXPECT_EQ(Fields(table[0]), Fields({12, "0301234567", 129, "Anna+"}));

  Book(Book::kSim, {{4, "+49,30", 145, "Miller, John"}, {5, "0301", 129, "Two\r\nLines"}});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  table = Read();
  ASSERT_EQ(table.Count(), 3u);
  EXPECT_EQ(Fields(table[0]), Fields({4, "+4930", 145, "Miller, John"}));
  EXPECT_EQ(Fields(table[1]), Fields({5, "0301", 129, "TwoLines"}));
  EXPECT_EQ(table[2].name, "Anna+");  // the [INT] section kept behind
}

TEST_F(ExternalBookTest, AFailedSaveLeavesTheOldFileWhole) {
  const std::string old = "[SIM]\r\n1,Old,0301\r\n[INT]\r\n3,Int+,0303\r\n";
  WriteFile(File(), old);
  std::filesystem::create_directory(dir_ / std::string(kExternalBookTemporaryName));
  Book(Book::kSim, {{5, "+4930", 145, "Anna"}});
  const Outcome failed = WriteExternalBook(store_, File());
  EXPECT_FALSE(failed.done);
  EXPECT_EQ(failed.messageId, 25);
  EXPECT_EQ(ReadFile(File()), old);

  EXPECT_EQ(WriteExternalBook(store_, dir_ / "missing" / "Telvane.phb").messageId, 25);
}

TEST_F(ExternalBookTest, BadFilesGiveWhatTheyHoldAndNoMore) {
  ExternalBookTable table;
  table.Add(PhonebookEntry{1, "1", 129, "Stale"});
  ReadExternalBook(dir_ / "none.phb", table);
  EXPECT_TRUE(table.Empty());

  std::string bad(
      "1,Bin\0ary,03\0"
      "01\n",
      16);
  bad += "0,Zero,0301\nx,NoPosition,0301\n7\n8,OnlyPosition\n";
  bad += std::string(10'000'000, 'A') + ",Huge,1\n";
  bad += "9,Kept,0309";  // no line end at the end
  WriteFile(File(), bad);
  table = Read();
  ASSERT_EQ(table.Count(), 3u);
  EXPECT_EQ(Fields(table[0]), Fields({1, "0301", 129, "Binary"}));
  EXPECT_EQ(Fields(table[1]), Fields({8, "", 129, ""}));
  EXPECT_EQ(Fields(table[2]), Fields({9, "0309", 129, "Kept"}));

  // A save over that file keeps only lines the reader could take whole.
  Book(Book::kInternal, {{2, "0302", 129, "New"}});
  ASSERT_TRUE(WriteExternalBook(store_, File()).done);
  EXPECT_LT(std::filesystem::file_size(File()), 1000u);
}

TEST_F(ExternalBookTest, TheTableStopsAtItsCapacity) {
  std::string lines = "[SIM]\n";
  for (int i = 1; i <= 900; ++i)
    lines += std::to_string(i) + ",N" + std::to_string(i) + ",0" + "\n";
  WriteFile(File(), lines);
  const ExternalBookTable table = Read();
  EXPECT_EQ(table.Count(), kExternalBookCapacity);
  EXPECT_EQ(table[799].position, 800);
}

}  // namespace
}  // namespace telvane::phonebook
