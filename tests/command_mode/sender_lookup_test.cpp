// Finding a sender's name in the external book.
#include "command_mode/sender_lookup.h"

#include <gtest/gtest.h>

namespace telvane::command_mode {
namespace {

TEST(SenderLookupTest, InternationalAndNationalSendersMeetInTheExternalBook) {
  EXPECT_EQ(SenderLookupKey("+491711234567", 0x91), "1711234567");
  EXPECT_EQ(SenderLookupKey("01711234567", 0x81), "1711234567");
  EXPECT_EQ(SenderLookupKey("0123203101711234567", 0x81), "1711234567");
  EXPECT_EQ(SenderLookupKey("1232041555", 0x89), "555");
  EXPECT_EQ(SenderLookupKey("+49", 0x91), "");

  phonebook::ExternalBookTable book;
  book.Add({1, "0301234567", 129, "Anna"});
  book.Add({2, "+49 171 1234567", 145, "Spaced"});
  book.Add({3, "+491711234567", 145, "Ben+"});
  book.Add({4, "01711234567", 129, "Ben again"});
  EXPECT_EQ(NameOfSender(book, "+491711234567", 0x91), "Ben+");
  EXPECT_EQ(NameOfSender(book, "01711234567", 0x81), "Ben+");
  EXPECT_EQ(NameOfSender(book, "+4915199999", 0x91), std::nullopt);
  EXPECT_EQ(NameOfSender(book, "0", 0x81), std::nullopt);  // an empty key matches nothing
}

}  // namespace
}  // namespace telvane::command_mode
