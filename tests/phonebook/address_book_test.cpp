// The address book against a scripted phone: objects read, written and erased.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phone_book_test.h"
#include "phonebook/address_book_reading.h"
#include "phonebook/address_entry_writing.h"
#include "phonebook/phonebook_messages.h"
#include "support/hex_text.h"

namespace telvane::phonebook {
namespace {

using AddressBookTest = PhoneBookTest;

std::string ObjectAnswer(int index, std::string_view vcard) {
  return "\r\n^SBNR: \"vcf\"," + std::to_string(index) + ",1,1\r\n" + testing::Hex(vcard) +
         "\r\n\r\nOK\r\n";
}

TEST_F(AddressBookTest, PrematureStopAssumesTheRestFree) {
  peer_.Reply(kOk);
  peer_.Reply(ObjectAnswer(1, "BEGIN:VCARD\r\nN:Miller;John\r\nCATEGORIES:VIP\r\nEND:VCARD\r\n"));
  for (int i = 2; i <= 10; ++i) peer_.Reply(kOk);
  ReadAddressBook(exchange_, store_, ReadOptions{true});
  const Lines sent = SentLines();
  ASSERT_EQ(sent.size(), 11u);
  EXPECT_EQ(sent[1], "AT^SBNR=\"vcf\",1");
  ASSERT_EQ(store_.EntryCount(), 1u);
  EXPECT_EQ(Fields(store_.entries[0]), Fields({2, "", 129, "Miller;John!"}));
  EXPECT_EQ(store_.addresses.Find(0)->vip, 1);
  EXPECT_EQ(store_.capacity.last, 500);
  // Object 0 is never offered; 2 to 499 are free after the stop.
  for (const auto& [element, free] : {std::pair{1, 0}, {2, 2}, {11, 11}, {499, 499}, {500, 0}}) {
    EXPECT_EQ(store_.freePositions.Element(element), free) << element;
  }
}

TEST_F(AddressBookTest, ObjectsThatDoNotAddUpAreSkippedAndSilenceEndsTheRead) {
  peer_.Reply(kOk);
  // Block 2 of 2 alone: block 1 is missing.
  peer_.Reply("\r\n^SBNR: \"vcf\",1,2,2\r\n" + testing::Hex("TEL;HOME:+49\r\n") + "\r\n\r\nOK\r\n");
  peer_.Reply(ObjectAnswer(2, "BEGIN:VCARD\r\nN:Miller;John\r\nEND:VCARD\r\n"));
  const AddressBookRead read = ReadAddressBook(exchange_, store_, ReadOptions{});  // 3: silent
  EXPECT_EQ(SentLines(), (Lines{"AT^SBNR=\"vcf\",0", "AT^SBNR=\"vcf\",1", "AT^SBNR=\"vcf\",2",
                                "AT^SBNR=\"vcf\",3"}));
  EXPECT_FALSE(read.complete);
  EXPECT_TRUE(read.readError);
  ASSERT_EQ(store_.EntryCount(), 1u);
  EXPECT_EQ(Fields(store_.entries[0]), Fields({3, "", 129, "Miller;John"}));
  EXPECT_NE(store_.completeBook, Book::kInternal);
}

TEST_F(AddressBookTest, NewEntryIsWrittenAtTheFirstFreeIndexUnlessRefused) {
  store_.freePositions.Append(0);
  store_.freePositions.Append(4);
  const AddressInput miller{.lastName = "Miller", .firstName = "John", .homeNumber = "+4930"};
  const LocalTime when{2001, 10, 5, 14, 30, 0};
  const auto save = [&](const AddressInput& input) {
    return SaveAddressEntry(exchange_, feedback_, store_, input, AddressSource::kDialog, 0, 0,
                            when);
  };

  AddressInput nameless = miller;
  nameless.lastName.clear();
  EXPECT_EQ(save(nameless).messageId, kStrEnterName);
  EXPECT_TRUE(SentLines().empty());

  // A refused block leaves the tables alone.
  peer_.Reply("\r\nERROR\r\n");
  const Outcome refused = save(miller);
  EXPECT_FALSE(refused.done);
  EXPECT_EQ(refused.messageId, kStrCantWriteNew);
  EXPECT_EQ(refused.failed, base::FailedStep::kHeader);
  EXPECT_EQ(refused.block, 1);
  EXPECT_TRUE(feedback_.shown.empty());
  EXPECT_EQ(store_.EntryCount(), 0u);
  EXPECT_EQ(store_.freePositions.First()->value, 4);

  peer_.Reply("\r\n> ");
  peer_.Reply(kOk);
  const Outcome saved = save(miller);
  ASSERT_TRUE(saved.done);
  const std::string text =
      "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20011005T143000\r\nN:Miller;John\r\n"
      "TEL;HOME:+4930\r\nEND:VCARD\r\n";
  EXPECT_EQ(SentLines(),
            (Lines{"AT^SBNW=\"vcf\",4,1,1", "AT^SBNW=\"vcf\",4,1,1", testing::Hex(text) + "\x1A"}));
  EXPECT_EQ(Fields(store_.entries[saved.slot]), Fields({5, "+4930", 145, "Miller;John"}));
  EXPECT_EQ(store_.addresses.Find(saved.slot)->lastName, "Miller");
  EXPECT_FALSE(store_.freePositions.First());
}

TEST_F(AddressBookTest, DeletingPositionEightErasesObjectSeven) {
  store_.entries.Add(PhonebookEntry{8, "030", 129, "Miller"});
  peer_.Reply(kOk);
  EXPECT_TRUE(DeleteAddressEntry(exchange_, store_, 8).done);
  EXPECT_EQ(SentLines(), (Lines{"AT^SBNW=\"vcf\",7,0"}));
  EXPECT_EQ(store_.freePositions.First()->value, 7);
  EXPECT_TRUE(store_.IsDeleted(0));
}

}  // namespace
}  // namespace telvane::phonebook
