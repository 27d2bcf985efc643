// Finding a sender's name in the external book: command mode's key, the SMS list's key.
#include "sms/sender_lookup.h"

#include <gtest/gtest.h>

namespace telvane::sms {
namespace {

phonebook::ExternalBookTable Book() {
  phonebook::ExternalBookTable book;
  book.Add({1, "0301234567", 129, "Anna"});
  book.Add({2, "+49 171 1234567", 145, "Spaced"});
  book.Add({3, "+491711234567", 145, "Ben+"});
  book.Add({4, "01711234567", 129, "Ben again"});
  book.Add({0, "", 129, ""});
  book.Add({5, "555", 129, "Behind the end"});
  return book;
}

TEST(SenderLookupTest, CommandModeKeysMeetInternationalAndNationalForms) {
  EXPECT_EQ(SenderLookupKey("+491711234567", 0x91), "1711234567");
  EXPECT_EQ(SenderLookupKey("01711234567", 0x81), "1711234567");
  EXPECT_EQ(SenderLookupKey("0123203101711234567", 0x81), "1711234567");
  EXPECT_EQ(SenderLookupKey("1232041555", 0x89), "555");
  EXPECT_EQ(SenderLookupKey("+49", 0x91), "");

  const auto book = Book();
  EXPECT_EQ(NameOfSender(book, "+491711234567", 0x91), "Ben+");
  EXPECT_EQ(NameOfSender(book, "01711234567", 0x81), "Ben+");
  EXPECT_EQ(NameOfSender(book, "+4915199999", 0x91), std::nullopt);
  EXPECT_EQ(NameOfSender(book, "0", 0x81), std::nullopt);  // an empty key matches nothing
}

TEST(SenderLookupTest, ListKeysFollowTheListsRules) {
  EXPECT_EQ(ListLookupKey("+491701234567", 0x91), "1701234567");
  EXPECT_EQ(ListLookupKey("12320310301234567", 0x81), "301234567");
  EXPECT_EQ(ListLookupKey("1232041555", 0x89), "555");
  EXPECT_EQ(ListLookupKey("01711234567", 0x81), "1711234567");
  EXPECT_EQ(ListLookupKey("22255", 0x81), "22255");
  EXPECT_EQ(ListLookupKey("12345678", 0x83), "5678");
  EXPECT_EQ(ListLookupKey("123", 0xA1), "");
  // A sender given as text is never looked up.
  EXPECT_EQ(ListLookupKey("0301234567", 0xD0), "");

  const auto book = Book();
  EXPECT_EQ(NameForKey(book, ListLookupKey("12320310301234567", 0x81)), "Anna");
  EXPECT_EQ(NameForKey(book, "1711234567"), "Ben+");
  // The scan ends at the first entry with position 0.
  EXPECT_EQ(NameForKey(book, "555"), std::nullopt);
  EXPECT_EQ(NameForKey(book, ""), std::nullopt);
}

}  // namespace
}  // namespace telvane::sms
