// vCard files as other programs write them, and dropping them on the window: names and
// numbers arrive in the phone's commands, bad files give nothing and no harm.
#include "phonebook/vcard_import.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "phone_book_test.h"
#include "phonebook/phonebook_messages.h"
#include "support/hex_text.h"

namespace telvane::phonebook {
namespace {

// Every field of a card, to compare whole cards.
auto Fields(const VcardContact& c) {
  return std::tuple(c.formattedName, c.lastName, c.firstName, c.company, c.street, c.city,
                    c.postalCode, c.country, c.homeNumber, c.workNumber, c.cellNumber, c.faxNumber,
                    c.email, c.webAddress);
}

// The cards read from a file of `content`.
std::vector<VcardContact> Cards(const std::string& content) {
  testing::TempDir dir;
  testing::WriteFile(dir / "cards.vcf", content);
  std::vector<VcardContact> cards;
  EXPECT_TRUE(ReadVcardFile(dir / "cards.vcf", [&](const VcardContact& card) {
    cards.push_back(card);
    return true;
  }));
  return cards;
}

TEST(VcardFile, Version21WithCharsetAndQuotedPrintable) {
  const auto cards = Cards(
      "BEGIN:VCARD\r\nVERSION:2.1\r\n"
      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=BCller;Hans\r\n"
      "TEL;PREF;CELL:+491701234567\r\nTEL;HOME:030 123\r\n"
      "NOTE;ENCODING=QUOTED-PRINTABLE:first=0D=0Asecond =\r\nthird\r\n"
      "X-GAMMU-LOCATION:1\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lee\r\nFN:Ann Lee\r\n"
      "TEL;WORK;VOICE:0301\r\nTEL;WORK;FAX:0302\r\nTEL;HOME;FAX:0303\r\n"
      "ADR;WORK:;;Side St;Bonn;;53111;DE\r\n"
      "ADR;HOME;ENCODING=QUOTED-PRINTABLE:;;Haupt=\r\nstr. 1;Berlin;BE;10115;Germany\r\n"
      "EMAIL;INTERNET:ann@example.com\r\nEND:VCARD\r\n");
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(Fields(cards[0]), Fields({.lastName = "M\xFCller",
                                      .firstName = "Hans",
                                      .homeNumber = "030123",
                                      .cellNumber = "+491701234567"}));
  EXPECT_EQ(cards[0].DisplayName(), "M\xFCller;Hans");
  // The home address before the work one, the home fax before the work fax.
  EXPECT_EQ(Fields(cards[1]), Fields({.formattedName = "Ann Lee",
                                      .lastName = "Lee",
                                      .street = "Hauptstr. 1",
                                      .city = "Berlin",
                                      .postalCode = "10115",
                                      .country = "Germany",
                                      .workNumber = "0301",
                                      .faxNumber = "0303",
                                      .email = "ann@example.com"}));
  EXPECT_EQ(cards[1].DisplayName(), "Ann Lee");
}

TEST(VcardFile, Version30WithTypeParametersFoldingAndLineFeeds) {
  const auto cards = Cards(
      "\xEF\xBB\xBF"
      "BEGIN:VCARD\nVERSION:3.0\nN:M\xC3\xBCller;Hans;;;\n"
      "FN:Hans M\xC3\xBCller\nORG:ACME\\, Inc.;Sales\n"
      "EMAIL;type=INTERNET:other@example.com\n"
      "item1.EMAIL;type=INTERNET;type=pref:hans@example.com\n"
      "TEL;TYPE=cell,voice:+49 170 1234567\n"
      "TEL;type=WORK;type=VOICE:030 555\nTEL;TYPE=HOME,FAX:030 556\n"
      "TEL;TYPE=HOME:030\n 111\nTEL;TYPE=PAGER:0999\n"
      "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\n AAAQABAAD\n"
      "URL:http://example.com/~hans\n"
      "END:VCARD\n"
      "BEGIN:VCARD\nVERSION:3.0\nFN:Solo\nTEL:0800\nEND:VCARD\n");
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(Fields(cards[0]), Fields({.formattedName = "Hans M\xFCller",
                                      .lastName = "M\xFCller",
                                      .firstName = "Hans",
                                      .company = "ACME, Inc., Sales",
                                      .homeNumber = "030111",
                                      .workNumber = "030555",
                                      .cellNumber = "+491701234567",
                                      .faxNumber = "030556",
                                      .email = "hans@example.com",
                                      .webAddress = "http://example.com/~hans"}));
  EXPECT_EQ(Fields(cards[1]), Fields({.formattedName = "Solo", .homeNumber = "0800"}));
}

TEST(VcardFile, BadFilesGiveOnlyWholeCards) {
  std::string bad =
      "BEGIN:VCARD\r\nN:" + std::string(10'000'000, 'A') + "\r\nTEL;CELL:1\r\nEND:VCARD\r\n";
  bad += std::string(
      "BEGIN:VCARD\r\nN:Bin\0ary\x1A\"\r\nTEL;CELL:0\xFF"
      "1\r\nEND:VCARD\r\n",
      50);
  bad += "END:VCARD\r\nTEL;CELL:2\r\nBEGIN:VCARD\r\nN:Truncated\r\nTEL;CELL:3\r\n";
  const auto cards = Cards(bad);
  ASSERT_EQ(cards.size(), 2u);
  EXPECT_EQ(Fields(cards[0]), Fields({.cellNumber = "1"}));  // the overlong N line was skipped
  // A number with a byte no number holds stays as it is, for the writers to refuse.
  EXPECT_EQ(Fields(cards[1]), Fields({.lastName = "Binary\"",
                                      .cellNumber = "0\xFF"
                                                    "1"}));

  EXPECT_FALSE(ReadVcardFile("/nonexistent/missing.vcf", [](const VcardContact&) { return true; }));
}

class DroppedFilesTest : public PhoneBookTest {
 protected:
  std::size_t Drop(const std::vector<std::filesystem::path>& files) {
    WriteContext context = Context();
    return ImportDroppedFiles(
        context, feedback_, files,
        [this](std::size_t slot, bool added) {
          EXPECT_TRUE(added);
          slots_.push_back(slot);
        },
        LocalTime{2001, 10, 5, 14, 30, 0});
  }

  std::vector<std::size_t> slots_;
};

TEST_F(DroppedFilesTest, CardsBecomeSimEntriesWithSafeCommands) {
  LoadedBook(Book::kSim, {12, 13});
  testing::WriteFile(
      dir_ / "anna.VCF",
      "BEGIN:VCARD\nVERSION:3.0\nFN:Anna \\\"Q\\\"\nTEL;TYPE=HOME:+49 30\nEND:VCARD\n"
      "BEGIN:VCARD\nVERSION:2.1\nN:NoNumber\nEND:VCARD\n"
      "BEGIN:VCARD\nVERSION:2.1\nN:J\xF6rg\nTEL;CELL;VOICE:0171\nEND:VCARD\n");
  testing::WriteFile(dir_ / "list.txt", "BEGIN:VCARD\nN:Ignored\nTEL:1\nEND:VCARD\n");
  peer_.Reply(kOk);
  peer_.Reply(kOk);
  EXPECT_EQ(Drop({dir_ / "list.txt", dir_ / "anna.VCF"}), 2u);
  EXPECT_EQ(SentLines(),
            (Lines{"AT+CPBW=12,+4930,145,\"Anna \\22Q\\22\"", "AT+CPBW=13,0171,129,\"J\\7Crg\""}));
  EXPECT_EQ(slots_, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(store_.entries[1].name, "J\xF6rg");
  EXPECT_TRUE(feedback_.shown.empty());
}

TEST_F(DroppedFilesTest, CardsBecomeAddressEntriesUntilNoPlaceIsLeft) {
  LoadedBook(Book::kInternal, {0, 6});
  testing::WriteFile(dir_ / "team.vcf",
                     "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lee;Ann\r\nTEL;CELL;VOICE:0171\r\n"
                     "TEL;HOME;VOICE:0301\r\nEND:VCARD\r\n"
                     "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Kim\r\nTEL;HOME;VOICE:0302\r\nEND:VCARD\r\n");
  peer_.Reply("\r\n> ");
  peer_.Reply(kOk);
  EXPECT_EQ(Drop({dir_ / "team.vcf"}), 1u);
  const std::string text =
      "BEGIN:VCARD\r\nVERSION:1.0\r\nREV:20011005T143000\r\nN:Lee;Ann\r\nTEL;HOME:0301\r\n"
      "TEL;CELL:0171\r\nEND:VCARD\r\n";
  EXPECT_EQ(SentLines(), (Lines{"AT^SBNW=\"vcf\",6,1,1", testing::Hex(text) + "\x1A"}));
  EXPECT_EQ(store_.entries[0].name, "Lee;Ann");
  EXPECT_EQ(store_.entries[0].position, 7);
  EXPECT_EQ(store_.addresses.Find(0)->cellNumber, "0171");
  EXPECT_EQ(feedback_.shown, (std::vector<int>{kStrNoFreeEntry}));
}

}  // namespace
}  // namespace telvane::phonebook
