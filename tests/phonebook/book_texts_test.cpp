// The answer, vCard and command texts of the phone book, without a phone.
#include <gtest/gtest.h>

#include "phone_book_test.h"
#include "phonebook/address_vcard.h"
#include "phonebook/book_answers.h"
#include "phonebook/book_reading.h"
#include "phonebook/entry_command.h"
#include "phonebook/normalising.h"
#include "phonebook/phonebook_entry.h"
#include "phonebook/vcard_reader.h"

namespace telvane::phonebook {
namespace {

TEST(ParseBookRange, ReadsAllFourValuesAndKeepsThoseWithoutMarker) {
  BookCapacity range;
  ParseBookRange("\r\n+CPBR: (1-250),40,16\r\n\r\nOK\r\n", range);
  EXPECT_EQ(Fields(range), Fields({1, 250, 40, 16}));
  BookCapacity kept{7, 8, 9, 10};
  ParseBookRange("+CPBR: 3", kept);
  EXPECT_EQ(Fields(kept), Fields({7, 8, 9, 10}));
}

TEST(ParseEntryAnswer, TakesNumberTypeAndGsmName) {
  // A whole answer: BookExchangeTest.EntriesAreReadAndEmptiesCountedInAll.
  // GSM 0x7C is "ö"; an overlong number is cut; no quote means an empty position.
  const auto jorg =
      ParseEntryAnswer("+CPBR: 2,\"0123456789012345678901234567890123\",129,\"J|rg\"", 2);
  ASSERT_TRUE(jorg);
  EXPECT_EQ(jorg->name, "J\xF6rg");
  EXPECT_EQ(jorg->number.size(), kNumberLimit);
  EXPECT_FALSE(ParseEntryAnswer("\r\nOK\r\n", 3));

  // A broken answer stays inside its line.
  const auto broken = ParseEntryAnswer("+CPBR: 4,\"0301\r\nOK\r\n", 4);
  ASSERT_TRUE(broken);
  EXPECT_EQ(broken->number, "0301");
  EXPECT_EQ(broken->name, "");
}

TEST(ParseAddressVCard, NameVipNumbersAndAddressParts) {
  const AddressCard plain = ParseAddressVCard("BEGIN:VCARD\r\nN:Miller;John\r\nEND:VCARD\r\n", 8);
  EXPECT_EQ(Fields(plain.entry), Fields({8, "", 129, "Miller;John"}));
  EXPECT_EQ(Fields(plain.address),
            Fields({.position = 8, .firstName = "John", .lastName = "Miller"}));

  const AddressCard vip = ParseAddressVCard(
      "BEGIN:VCARD\r\nN:Miller;John\r\nCATEGORIES:VIP\r\nTEL;HOME:+4930\r\nTEL;CELL:0171\r\n"
      "ORG:Acme\r\nEMAIL;INTERNET:j@m.de\r\nADR:;;Main St 1;Springfield;IL;12345;USA\r\n"
      "END:VCARD\r\n",
      1);
  EXPECT_EQ(Fields(vip.entry), Fields({1, "+4930", 145, "Miller;John!"}));
  EXPECT_EQ(Fields(vip.address), Fields({.position = 1,
                                         .homeNumberType = 145,
                                         .vip = 1,
                                         .firstName = "John",
                                         .lastName = "Miller",
                                         .company = "Acme",
                                         .street = "Main St 1",
                                         .city = "Springfield",
                                         .state = "IL",
                                         .postalCode = "12345",
                                         .country = "USA",
                                         .cellNumber = "0171",
                                         .email = "j@m.de"}));
  const AddressCard shortAdr = ParseAddressVCard("\r\nN:X\r\nADR:;;Main St 1\r\n", 1);
  EXPECT_EQ(Fields(shortAdr.address),
            Fields({.position = 1, .lastName = "X", .street = "Main St 1"}));
}

TEST(ParseAddressVCard, PropertiesOnlyAtTheStartOfUnfoldedLines) {
  // Property names inside values, a folded line and a VIP company are data.
  const AddressCard card = ParseAddressVCard(
      "BEGIN:VCARD\r\nN:SmithTEL;HOME:0900;John\r\nORG:VIPER GmbH\r\nNOTE:x\r\n"
      " TEL;HOME:0901\r\nTEL;HOME;FAX:0902\r\nTEL;HOME:0301\r\nEND:VCARD\r\n",
      2);
  EXPECT_EQ(Fields(card.entry), Fields({2, "0301", 129, "SmithTEL;HOME:0900;John"}));
  EXPECT_EQ(card.address.vip, 0);
  EXPECT_EQ(card.address.company, "VIPER GmbH");
  EXPECT_EQ(card.address.faxNumber, "");
}

TEST(CommandName, EscapesLettersAndKeepsTheCommandLineWhole) {
  EXPECT_EQ(CommandName("a@b"), "a\\00b");
  EXPECT_EQ(CommandName("$_"), "\\02\\11");  // GSM codes below 0x20 travel escaped
  // A quote and a line break cannot end the name or start a second command.
  EXPECT_EQ(CommandName("Anna\"\r\nATD0900\x1A"), "Anna\\22ATD0900");
  // The GSM alphabet has no backslash: it never reaches the phone as an escape.
  EXPECT_EQ(CommandName("A\\41\\42\\"), "A/41/42/");
}

TEST(CleanNumber, KeepsDialCharactersOnly) {
  EXPECT_EQ(CleanNumber("+49 (30) 123-45/6"), "+4930123456");
  EXPECT_EQ(CleanNumber("*31#0301p2w3"), "*31#0301p2w3");
  EXPECT_EQ(CleanNumber("030\r\nATD0900,145\"+"), "0300900145");
  EXPECT_EQ(CleanNumber("12+3"), "123");
}

TEST(BuildAddressVCardText, OptionalLinesAndLimits) {
  // A whole text: AddressBookTest.NewEntryIsWrittenAtTheFirstFreeIndexUnlessRefused.
  const LocalTime when{2001, 10, 5, 14, 30, 0};
  AddressInput city;
  city.lastName = "X";
  city.city = "Springfield";
  city.vip = true;
  const auto text = BuildAddressVCardText(city, when);
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("\r\nN:X\r\nCATEGORIES:VIP\r\nADR:;;;Springfield;;;\r\nEND:VCARD"),
            std::string::npos);

  // A value cannot add vCard lines; a text beyond 511 characters is refused.
  AddressInput sneaky;
  sneaky.lastName = "A\r\nCATEGORIES:VIP";
  EXPECT_EQ(BuildAddressVCardText(sneaky, when)->find("\r\nCATEGORIES"), std::string::npos);
  sneaky.company = std::string(500, 'c');
  EXPECT_FALSE(BuildAddressVCardText(sneaky, when));
}

TEST(FreePositionList, TakesFirstAndReusesEmptyElements) {
  FreePositionList free;
  free.Append(0);  // object index 0 is never offered
  free.Append(4);
  free.Append(9);
  auto first = free.First();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->element, 2u);
  EXPECT_EQ(first->value, 4);
  free.ClearElement(first->element);
  EXPECT_EQ(free.First()->value, 9);
  EXPECT_FALSE(free.First(2));  // only elements 1..2 count
  free.Release(7);
  EXPECT_EQ(free.Element(1), 7);

  FreePositionList full;
  for (int place = 1; place <= 500; ++place) ASSERT_TRUE(full.Append(place));
  EXPECT_FALSE(full.Append(501));
}

TEST(CompareEntries, ByteOrderIsCaseSensitiveAndShorterFirst) {
  const PhonebookEntry anna{5, "+4930", 145, "Anna"};
  const PhonebookEntry annab{2, "030", 129, "Annabel"};
  const PhonebookEntry lower{9, "0891", 129, "anna"};
  const PhonebookEntry umlaut{1, "1", 129, "\xD6zil"};  // Ö sorts after every ASCII letter
  EXPECT_LT(CompareEntries(anna, annab, 1), 0);
  EXPECT_LT(CompareEntries(anna, lower, 1), 0);
  EXPECT_GT(CompareEntries(umlaut, lower, 1), 0);
  EXPECT_GT(CompareEntries(anna, annab, 0), 0);
  EXPECT_LT(CompareEntries(anna, annab, 2), 0);
  EXPECT_EQ(CompareEntries(anna, anna, 1), 0);
}

}  // namespace
}  // namespace telvane::phonebook
