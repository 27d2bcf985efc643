// Reading and writing the AT+CPBR books against a scripted phone: the exact commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "phone_book_test.h"
#include "phonebook/book_reading.h"
#include "phonebook/entry_writing.h"
#include "phonebook/normalising.h"
#include "phonebook/phonebook_messages.h"
#include "phonebook/redbook_writing.h"

namespace telvane::phonebook {
namespace {

using BookExchangeTest = PhoneBookTest;

TEST_F(BookExchangeTest, PrematureStopAfterThirdEmptyPosition) {
  Replies({"\r\n+CPBR: (1-250),20,16\r\n\r\nOK\r\n", kOk, kOk, kOk});
  EXPECT_EQ(ReadPhonebook(exchange_, store_, ReadOptions{true}), ReadResult::kRead);
  EXPECT_EQ(SentLines(), (Lines{"AT+CPBR=?", "AT+CPBR=1", "AT+CPBR=2", "AT+CPBR=3"}));
  EXPECT_EQ(store_.EntryCount(), 0u);
  EXPECT_EQ(store_.freePositions.Filled(), 3u);
  EXPECT_EQ(store_.freePositions.Element(3), 3);
  EXPECT_EQ(store_.capacity.numberLength, 24);
}

TEST_F(BookExchangeTest, EntriesAreReadAndEmptiesCountedInAll) {
  Replies({"\r\n+CPBR: (1-9),20,16\r\n\r\nOK\r\n", kOk,
           "\r\n+CPBR: 2,\"0301\",129,\"Bob\"\r\n\r\nOK\r\n", kOk,
           "\r\n+CPBR: 4,\"0891\",129,\"Carl\"\r\n\r\nOK\r\n",
           "\r\n+CPBR: 5,\"+4930\",145,\"Anna\"\r\n\r\nOK\r\n", kOk});
  std::vector<std::size_t> rows;
  std::vector<int> percents;
  const ReadReport report{[&](std::size_t slot) { rows.push_back(slot); },
                          [&](int percent) { percents.push_back(percent); }};
  EXPECT_EQ(ReadPhonebook(exchange_, store_, ReadOptions{true}, report), ReadResult::kRead);
  EXPECT_EQ(SentLines().back(), "AT+CPBR=6");
  ASSERT_EQ(store_.EntryCount(), 3u);
  EXPECT_EQ(Fields(store_.entries[2]), Fields({5, "+4930", 145, "Anna"}));
  EXPECT_EQ(rows, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_EQ(percents.back(), 0);  // the bar is given back
}

TEST_F(BookExchangeTest, FailedExchangeMidwayEmptiesTheTable) {
  Replies({"\r\n+CPBR: (1-3),20,16\r\n\r\nOK\r\n",
           "\r\n+CPBR: 1,\"0301\",129,\"Bob\"\r\n\r\nOK\r\n", "\r\nERROR\r\n"});
  EXPECT_EQ(ReadPhonebook(exchange_, store_, ReadOptions{}), ReadResult::kBroken);
  EXPECT_EQ(store_.EntryCount(), 0u);

  store_.entries.Add(PhonebookEntry{7, "1", 129, "Kept"});
  peer_.Reply("\r\nERROR\r\n");
  EXPECT_EQ(ReadPhonebook(exchange_, store_, ReadOptions{}), ReadResult::kNotStarted);
  EXPECT_EQ(store_.EntryCount(), 1u);
}

TEST_F(BookExchangeTest, CallListEndsAtItsFirstEmptyPlace) {
  Replies({kOk, "\r\n+CPBR: (1-10),20,16\r\n\r\nOK\r\n",
           "\r\n+CPBR: 1,\"0891\",129,\"\"\r\n\r\nOK\r\n",
           "\r\n+CPBR: 2,\"0892\",129,\"Max\x11M\"\r\n\r\nOK\r\n", kOk});
  EXPECT_TRUE(ReadCallList(exchange_, store_, CallListKind::kOutgoing));
  EXPECT_EQ(SentLines(), (Lines{"AT+CPBS=LD", "AT+CPBR=?", "AT+CPBR=1", "AT+CPBR=2", "AT+CPBR=3"}));
  ASSERT_EQ(store_.callLists[0].Count(), 2u);
  EXPECT_EQ(CallListLine(store_.callLists[0][0]), ", 0891");  // a nameless caller
  // GSM 0x11 is "_", which a second conversion would turn into "\xA7".
  EXPECT_EQ(CallListLine(store_.callLists[0][1]), "Max_M, 0892");

  peer_.Reply("\r\nERROR\r\n");
  EXPECT_FALSE(ReadRedbook(exchange_, store_));
}

TEST_F(BookExchangeTest, APositionWithoutAnyAnswerEndsEachRead) {
  // The Redbook's first position gets no answer; one call list's and the own numbers'
  // second: none asks further.
  Replies({kOk, "\r\n^SPBG: (1-30),20,16\r\n\r\nOK\r\n"});
  EXPECT_FALSE(ReadRedbook(exchange_, store_));
  Replies({kOk, "\r\n+CPBR: (1-10),20,16\r\n\r\nOK\r\n",
           "\r\n+CPBR: 1,\"0891\",129,\"\"\r\n\r\nOK\r\n"});
  EXPECT_FALSE(ReadCallList(exchange_, store_, CallListKind::kIncoming));
  Replies({kOk, "\r\n+CPBR: (1-6),20,16\r\n\r\nOK\r\n", kOk});
  EXPECT_FALSE(ReadOwnNumbers(exchange_).selected);
  EXPECT_EQ(SentLines(),
            (Lines{"AT^SPBS=RD", "AT^SPBG=?", "AT^SPBG=1", "AT+CPBS=MC", "AT+CPBR=?", "AT+CPBR=1",
                   "AT+CPBR=2", "AT+CPBS=ON", "AT+CPBR=?", "AT+CPBR=1", "AT+CPBR=2"}));
  EXPECT_EQ(store_.callLists[1].Count(), 1u);
}

// The writes to the free positions and the refusal once none is left:
// PhonebookScenario.NewSimEntriesTakeTheFreePositionsWithEscapedNames.
TEST_F(BookExchangeTest, NamelessEntryIsRefusedAndInjectedTextStaysInOneCommand) {
  LoadedBook(Book::kSim, {3});
  peer_.Reply(kOk);
  WriteContext context = Context();
  EXPECT_EQ(WriteEntry(context, {"", "0301"}, 0).messageId, kStrEnterName);
  // Text that is no number is refused, never filtered into another number.
  EXPECT_EQ(WriteEntry(context, {"Anna", "030\r\nATD0900"}, 0).messageId, kStrEnterNumber);
  EXPECT_EQ(WriteEntry(context, {"Anna", "+49\"ATD0900;"}, 0).messageId, kStrEnterNumber);
  EXPECT_TRUE(WriteEntry(context, {"Anna\"\r\nATD0900", "030 12-3"}, 0).done);
  EXPECT_EQ(SentLines(), (Lines{"AT+CPBW=3,030123,129,\"Anna\\22ATD0900\""}));
  EXPECT_EQ(asked_, 0);
}

TEST_F(BookExchangeTest, FixedDiallingAsksForPin2WhenRequired) {
  LoadedBook(Book::kSimFix, {});
  store_.entries.Add(PhonebookEntry{4, "030", 129, "Anna"});
  WriteContext context = Context();
  const std::string write = "AT+CPBW=4,0301,129,\"Anna\"";

  // A cancelled or empty PIN2: nothing is sent.
  answer_.reset();
  EXPECT_EQ(WriteEntry(context, {"Anna", "0301"}, 4, 0).messageId, 0);
  answer_ = "";
  EXPECT_EQ(WriteEntry(context, {"Anna", "0301"}, 4, 0).messageId, kStrInvalidPin2);
  EXPECT_TRUE(SentLines().empty());

  // A rejected one is forgotten and the entry stays.
  answer_ = "9999";
  Replies({kOk, "\r\n+CME ERROR: SIM PIN2 REQUIRED\r\n", kOk,
           "\r\n+CME ERROR: incorrect password\r\n"});
  EXPECT_EQ(WriteEntry(context, {"Anna", "0301"}, 4, 0).messageId, kStrPin2Rejected);
  EXPECT_EQ(SentLines(), (Lines{"AT+CMEE=2", write, "AT+CPIN?", "AT+CPIN=9999"}));
  EXPECT_FALSE(pin2_);
  EXPECT_EQ(store_.entries[0].number, "030");

  answer_ = "1234";
  Replies({kOk, "\r\n+CME ERROR: SIM PIN2 REQUIRED\r\n", "\r\n+CPIN: SIM PIN2\r\n\r\nOK\r\n", kOk,
           kOk, kOk});
  EXPECT_TRUE(WriteEntry(context, {"Anna", "0301"}, 4, 0).done);
  EXPECT_EQ(SentLines(),
            (Lines{"AT+CMEE=2", write, "AT+CPIN?", "AT+CPIN=1234", write, "AT+CMEE=0"}));
  EXPECT_EQ(pin2_, "1234");
  EXPECT_EQ(store_.entries[0].number, "0301");
  EXPECT_EQ(asked_, 4);  // once for each write so far

  // Accepted at once: still sent twice; the stored PIN2 is not asked for again.
  Replies({kOk, kOk, kOk, kOk});
  EXPECT_TRUE(WriteEntry(context, {"Anna", "0302"}, 4, 0).done);
  const std::string again = "AT+CPBW=4,0302,129,\"Anna\"";
  EXPECT_EQ(SentLines(), (Lines{"AT+CMEE=2", again, again, "AT+CMEE=0"}));
  EXPECT_EQ(asked_, 4);
}

TEST_F(BookExchangeTest, NormalisingWithAndWithoutLeadingZero) {
  LoadedBook(Book::kSim, {});
  for (const char* number : {"030", "0049", "+4930", "112"}) {
    store_.entries.Add(PhonebookEntry{static_cast<int>(store_.EntryCount()) + 1, number, 129, "N"});
  }
  Replies({kOk, kOk});
  WriteContext context = Context();
  // Rows in the list's order: the second entry is shown first.
  const std::size_t order[] = {1, 0, 2, 3};
  EXPECT_TRUE(NormaliseEntries(context, NormaliseOptions{"+49", false}, order));
  EXPECT_EQ(SentLines(), (Lines{"AT+CPBW=2,+49049,145,\"N\"", "AT+CPBW=1,+4930,145,\"N\""}));
  EXPECT_EQ(store_.entries[0].numberType, 145);
  // Dropping the leading zero: PhonebookScenario.NormalisingPrefixesNationalNumbers...

  // Without a prefix nothing changes.
  store_.entries[0].number = "030";
  EXPECT_TRUE(NormaliseEntries(context, NormaliseOptions{}, order));
  EXPECT_TRUE(SentLines().empty());
}

TEST_F(BookExchangeTest, RedbookMarksAndLimits) {
  LoadedBook(Book::kSim, {});
  store_.entries.Add(PhonebookEntry{5, "+4930", 145, "Anna"});
  Replies({kOk, kOk});
  WriteContext context = Context();
  EXPECT_TRUE(AddToRedbook(context, 0).done);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM", "AT+CPBW=5,+4930,145,\"Anna!\""}));
  ASSERT_EQ(store_.redbook.Count(), 1u);
  EXPECT_EQ(store_.redbook[0].position, 1);
  EXPECT_EQ(store_.entries[0].name, "Anna!");

  store_.redbook.Add(PhonebookEntry{2, "1", 129, "Ghost!"});
  peer_.Reply(kOk);
  EXPECT_EQ(RemoveFromRedbook(context, 1).messageId, kStrEntryNotFound);
  EXPECT_EQ(SentLines(), (Lines{"AT^SPBS=SM"}));

  while (store_.redbook.Add(PhonebookEntry{})) {
  }
  store_.entries.Add(PhonebookEntry{6, "1", 129, "Bob"});
  EXPECT_EQ(AddToRedbook(context, 1).messageId, kStrMaximumEntries);
  EXPECT_TRUE(SentLines().empty());
}

TEST_F(BookExchangeTest, DeletedEntryFreesItsPosition) {
  LoadedBook(Book::kSim, {});
  store_.entries.Add(PhonebookEntry{5, "+4930", 145, "Anna"});
  peer_.Reply(kOk);
  WriteContext context = Context();
  EXPECT_TRUE(DeleteEntry(context, 5).done);
  EXPECT_EQ(SentLines(), (Lines{"AT+CPBW=5"}));
  EXPECT_EQ(store_.freePositions.First()->value, 5);
  EXPECT_TRUE(store_.IsDeleted(0));
  EXPECT_FALSE(store_.SlotOf(5));
}

}  // namespace
}  // namespace telvane::phonebook
