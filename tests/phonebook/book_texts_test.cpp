// The answer, vCard and command texts of the phone book, without a phone.
#include <gtest/gtest.h>

#include "phonebook/address_vcard.h"
#include "phonebook/book_answers.h"
#include "phonebook/book_reading.h"
#include "phonebook/entry_command.h"
#include "phonebook/normalising.h"
#include "phonebook/vcard_reader.h"

namespace telvane::phonebook {
namespace {

TEST(ParseBookRange, ReadsAllFourValuesAndKeepsThoseWithoutMarker) {
  BookCapacity range;
  ParseBookRange("\r\n+CPBR: (1-250),40,16\r\n\r\nOK\r\n", range);
  EXPECT_EQ(range.first, 1);
  EXPECT_EQ(range.last, 250);
  EXPECT_EQ(range.numberLength, 40);
  EXPECT_EQ(range.textLength, 16);

  BookCapacity kept{7, 8, 9, 10};
  ParseBookRange("+CPBR: 3", kept);
  EXPECT_EQ(kept.first, 7);
  EXPECT_EQ(kept.last, 8);
  EXPECT_EQ(kept.numberLength, 9);
  EXPECT_EQ(kept.textLength, 10);
}

TEST(ParseEntryAnswer, TakesNumberTypeAndGsmName) {
  const auto anna = ParseEntryAnswer("\r\n+CPBR: 5,\"+4930\",145,\"Anna\"\r\n\r\nOK\r\n", 5);
  ASSERT_TRUE(anna);
  EXPECT_EQ(anna->position, 5);
  EXPECT_EQ(anna->number, "+4930");
  EXPECT_EQ(anna->numberType, 145);
  EXPECT_EQ(anna->name, "Anna");

  // GSM 0x7C is "ö"; an overlong number is cut; no quote means an empty position.
  const auto jorg = ParseEntryAnswer("+CPBR: 2,\"0123456789012345678901234567890123\",129,\"J|rg\"", 2);
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

TEST(CallListLine, NamelessCallerBeginsWithComma) {
  EXPECT_EQ(CallListLine(PhonebookEntry{1, "0891", 129, ""}), ", 0891");
  EXPECT_EQ(CallListLine(PhonebookEntry{1, "0891", 129, "Max_M"}), "Max_M, 0891");
}

TEST(ParseAddressVCard, NameVipAndMissingHomeNumber) {
  const AddressCard plain = ParseAddressVCard("BEGIN:VCARD\r\nN:Miller;John\r\nEND:VCARD\r\n", 8);
  EXPECT_EQ(plain.entry.name, "Miller;John");
  EXPECT_EQ(plain.entry.position, 8);
  EXPECT_EQ(plain.address.position, 8);
  EXPECT_EQ(plain.address.lastName, "Miller");
  EXPECT_EQ(plain.address.firstName, "John");
  EXPECT_EQ(plain.address.vip, 0);
  EXPECT_EQ(plain.entry.number, "");
  EXPECT_EQ(plain.entry.numberType, 129);

  const AddressCard vip = ParseAddressVCard(
      "BEGIN:VCARD\r\nN:Miller;John\r\nCATEGORIES:VIP\r\nTEL;HOME:+4930\r\nTEL;CELL:0171\r\n"
      "ORG:Acme\r\nEMAIL;INTERNET:j@m.de\r\nEND:VCARD\r\n",
      1);
  EXPECT_EQ(vip.entry.name, "Miller;John!");
  EXPECT_EQ(vip.address.vip, 1);
  EXPECT_EQ(vip.entry.number, "+4930");
  EXPECT_EQ(vip.entry.numberType, 145);
  EXPECT_EQ(vip.address.cellNumber, "0171");
  EXPECT_EQ(vip.address.company, "Acme");
  EXPECT_EQ(vip.address.email, "j@m.de");
}

TEST(ParseAddressVCard, AddressSplitsIntoItsParts) {
  const AddressCard full =
      ParseAddressVCard("\r\nN:X\r\nADR:;;Main St 1;Springfield;IL;12345;USA\r\n", 1);
  EXPECT_EQ(full.address.street, "Main St 1");
  EXPECT_EQ(full.address.city, "Springfield");
  EXPECT_EQ(full.address.state, "IL");
  EXPECT_EQ(full.address.postalCode, "12345");
  EXPECT_EQ(full.address.country, "USA");

  const AddressCard shortAdr = ParseAddressVCard("\r\nN:X\r\nADR:;;Main St 1\r\n", 1);
  EXPECT_EQ(shortAdr.address.street, "Main St 1");
  EXPECT_EQ(shortAdr.address.city, "");
  EXPECT_EQ(shortAdr.address.country, "");
}

TEST(CommandName, EscapesLettersAndKeepsTheCommandLineWhole) {
  EXPECT_EQ(CommandName("J\xF6rg"), "J\\7Crg");
  EXPECT_EQ(CommandName("a@b"), "a\\00b");
  EXPECT_EQ(CommandName("$_"), "\\02\\11");  // GSM codes below 0x20 travel escaped
  // A quote and a line break cannot end the name or start a second command.
  const std::string injected = CommandName("Anna\"\r\nATD0900\x1A");
  EXPECT_EQ(injected, "Anna\\22ATD0900");
  EXPECT_EQ(WriteCommand(12, "+4930", 145, "Anna\"\r\nATD0900"),
            "AT+CPBW=12,+4930,145,\"Anna\\22ATD0900\"");
}

TEST(CleanNumber, KeepsDialCharactersOnly) {
  EXPECT_EQ(CleanNumber("+49 (30) 123-45/6"), "+4930123456");
  EXPECT_EQ(CleanNumber("*31#0301p2w3"), "*31#0301p2w3");
  EXPECT_EQ(CleanNumber("030\r\nATD0900,145\"+"), "0300900145");
  EXPECT_EQ(CleanNumber("12+3"), "123");
}

TEST(NormalisedNumber, PrefixRules) {
  const NormaliseOptions dropZero{"+49", false};
  const NormaliseOptions keepZero{"+49", true};
  EXPECT_EQ(NormalisedNumber("030", dropZero), "+4930");
  EXPECT_EQ(NormalisedNumber("030", keepZero), "+49030");
  EXPECT_EQ(NormalisedNumber("0049", dropZero), "+49049");
  EXPECT_FALSE(NormalisedNumber("+4930", dropZero));
  EXPECT_FALSE(NormalisedNumber("112", dropZero));
  EXPECT_FALSE(NormalisedNumber("030", NormaliseOptions{}));
}

TEST(BuildAddressVCardText, LinesInOrder) {
  const LocalTime when{2001, 10, 5, 14, 30, 0};
  AddressInput miller;
  miller.lastName = "Miller";
  miller.firstName = "John";
  miller.homeNumber = "+4930";
  EXPECT_EQ(BuildAddressVCardText(miller, when),
            "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20011005T143000\r\nN:Miller;John\r\n"
            "TEL;HOME:+4930\r\nEND:VCARD\r\n");

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

}  // namespace
}  // namespace telvane::phonebook
