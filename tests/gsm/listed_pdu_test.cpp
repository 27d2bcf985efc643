#include "gsm/listed_pdu.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace telvane::gsm {
namespace {

// A received message: centre +31624000000, sender +31641600986, "How are you?".
constexpr std::string_view kDeliver =
    "07911326040000F0040B911346610089F60000208062917314080CC8F71D14969741F977FD07";
// A stored message to +46708251358, "hellohello".
constexpr std::string_view kSubmit = "0011000B916407281553F80000AA0AE8329BFD4697D9EC37";
// A status report for message reference 0x35 to +31641600986.
constexpr std::string_view kReport =
    "07911326040000F006350B911346610089F6208062917314082080629173150800";

// Every field of a decoded line, to compare whole rows.
auto Row(const ListedPdu& r) {
  return std::tuple(r.date, r.number, r.addressType, r.statusReport, r.text);
}

TEST(DecodeListedPdu, ReadsAReceivedMessage) {
  for (int status : {0, 1}) {
    EXPECT_EQ(Row(DecodeListedPdu(kDeliver, status, false)),
              Row({"02/08/26 19:37:41", "+31641600986", 0x91, false, "How are you?"}));
  }
  EXPECT_EQ(DecodeListedPdu(kDeliver, 0, true).date, "26/08/02 19:37:41");
}

TEST(DecodeListedPdu, ReadsEightBitDataThroughTheGsmTable) {
  // National sender 0123456789, data coding F6, bytes E4 5F 0D 40.
  EXPECT_EQ(Row(DecodeListedPdu("00040A81103254769800F61010512131450004E45F0D40", 1, false)),
            Row({"01/01/15 12:13:54", "0123456789", 0x81, false, "\xE4\xA7\n@"}));
}

TEST(DecodeListedPdu, SkipsTheValidityPeriodTheFirstOctetAnnounces) {
  // Same message without validity period (first octet 01), and with an absolute one (19).
  EXPECT_EQ(DecodeListedPdu("0001000B916407281553F800000AE8329BFD4697D9EC37", 2, false).text,
            "hellohello");
  EXPECT_EQ(DecodeListedPdu("0019000B916407281553F80000"
                            "21302141000000"
                            "0AE8329BFD4697D9EC37",
                            2, false)
                .text,
            "hellohello");
}

TEST(DecodeListedPdu, KeepsAnAtSignThatEndsTheText) {
  // "1234567@": eight codes fill seven octets exactly; the length octet says 8.
  EXPECT_EQ(DecodeListedPdu("0011000481214300000008"
                            "31D98C56B3DD00",
                            2, false)
                .text,
            "1234567@");
  EXPECT_EQ(DecodeListedPdu("0011000481214300000007"
                            "31D98C56B3DD00",
                            2, false)
                .text,
            "1234567");
}

TEST(DecodeListedPdu, ReadsStatusReports) {
  const auto report = Row({"02/08/26 19:37:41", "+31641600986", 0x91, true, "02/08/26 19:37:51"});
  EXPECT_EQ(Row(DecodeListedPdu(kReport, 0, false)), report);
  // A small message reference (05) is recognised by the message type of the first octet;
  // without that type, a "length" above 24 still marks a report.
  std::string smallReference(kReport);
  smallReference.replace(18, 2, "05");
  EXPECT_EQ(Row(DecodeListedPdu(smallReference, 1, false)), report);
  std::string untyped(kReport);
  untyped.replace(16, 2, "00");
  EXPECT_EQ(Row(DecodeListedPdu(untyped, 0, false)), report);
}

TEST(DecodeListedPdu, ReadsUcs2TextAsLatin1) {
  // Stored by gammu: "Grüße"; "Héllo мир 😀" (Cyrillic and a surrogate pair); flash (DCS 18) "Aй".
  EXPECT_EQ(DecodeListedPdu("0181110005812143F50008FF0A0047007200FC00DF0065", 2, false).text,
            "Gr\xFC\xDF"
            "e");
  EXPECT_EQ(DecodeListedPdu("018111000C919471103254760008FF18"
                            "004800E9006C006C006F0020043C043804400020D83DDE00",
                            3, false)
                .text,
            "H\xE9llo ??? ?");
  EXPECT_EQ(DecodeListedPdu("0181110005812143F50018FF0400410439", 2, false).text, "A?");
}

TEST(DecodeListedPdu, ReadsTextByTheCodingGroupOfTheDataCodingScheme) {
  const std::string hello = "0AE8329BFD4697D9EC37";  // "hellohello" packed, length 10
  const std::string hi8 = "024869";                  // "Hi" as bytes
  const std::string hi16 = "0400480069";             // "Hi" in UCS2
  const struct {
    std::string coding;
    std::string userData;
    std::string text;
  } cases[] = {
      {"F0", hello, "hellohello"},  // class 0, 7-bit
      {"F4", hi8, "Hi"},            // class 0, 8-bit
      {"11", hello, "hellohello"},  // general, class 1
      {"C0", hello, "hellohello"},  // message waiting, discard
      {"D8", hello, "hellohello"},  // message waiting, store
      {"E0", hi16, "Hi"},           // message waiting, UCS2
      {"0C", hi8, "Hi"},            // reserved alphabet, read as 8-bit
      {"48", hi16, "Hi"},           // automatic deletion, UCS2
      {"90", hello, "hellohello"},  // reserved group, read as 7-bit
      {"24", hello, ""},            // compressed: not decoded
  };
  for (const auto& c : cases) {
    const std::string line = "00040B911346610089F600" + c.coding + "20806291731408" + c.userData;
    EXPECT_EQ(DecodeListedPdu(line, 1, false).text, c.text) << c.coding;
  }
}

TEST(DecodeListedPdu, SkipsTheUserDataHeader) {
  const struct {
    std::string line;
    int status;
    std::string text;
  } cases[] = {
      // Two parts of one 7-bit message (header 050003A7020n, one fill bit).
      {"00440B911346610089F60000208062917314080D050003A70201906536FB0D02", 0, "Hello "},
      {"00440B911346610089F60000208062917314080D050003A70202EE6F399B1C02", 0, "world!"},
      // A 16-bit reference: seven header octets fill eight septets, no fill bits.
      {"00440B911346610089F60000208062917314080C06080412340201CE329E0E", 1, "Next"},
      // UCS2 "ÜbeΩ" after the header.
      {"00440B911346610089F60008208062917314080E050003A7020100DC0062006503A9", 1,
       "\xDC"
       "be?"},
      // The last part of a 200-character text stored by gammu (SMS-SUBMIT).
      {"0181510005812143F50000FF36050003A0020266B49AED86CBC162B219AD66BBE172B0986C46ABD96EB81C2"
       "C269BD16AB61B2E078BC966B49AED86CB01",
       2, "34567890123456789012345678901234567890123456789"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeListedPdu(c.line, c.status, false).text, c.text);
}

TEST(DecodeListedPdu, GivesEmptyTextForAHeaderRunningPastTheData) {
  for (const std::string_view line : {
           // 7-bit: an 11-octet header in 5 septets.
           "00440B911346610089F600002080629173140805"
           "0A0003A70201906536FB0D02",
           // 8-bit: a 6-octet header in 3 octets.
           "00440B911346610089F60004208062917314080305000300",
           // UCS2: the header is all the data.
           "00440B911346610089F6000820806291731408"
           "06050003A70201",
           // The line ends inside the header.
           "00440B911346610089F6000020806291731408400500",
           "00440B911346610089F60000208062917314080DFF",
       }) {
    EXPECT_EQ(DecodeListedPdu(line, 0, false).text, "") << line;
  }
}

TEST(DecodeListedPdu, ReadsAnAlphanumericSender) {
  // "Telvane" in seven packed codes (13 semi-octets), text "hi".
  const ListedPdu row = DecodeListedPdu("00040DD0D432DB1E76970100002080629173140802E834", 0, false);
  EXPECT_EQ(Row(row), Row({"02/08/26 19:37:41", "Telvane", 0xD0, false, "hi"}));
}

TEST(DecodeListedPdu, GivesEmptyTextForZeroLength) {
  EXPECT_EQ(DecodeListedPdu("0011000481214300000000E8329B", 2, false).text, "");
}

TEST(DecodeListedPdu, EndsTheLineAtTheFirstNonHexCharacter) {
  const std::string line(kDeliver);
  const ListedPdu full = DecodeListedPdu(line, 0, false);
  for (const std::string& variant : {line + "\r\n", line + "0", line + " OK\r\n+CMGL: 2,0",
                                     std::string("07911326040000f0040b911346610089f6"
                                                 "0000208062917314080cc8f71d14969741f977fd07")}) {
    EXPECT_EQ(Row(DecodeListedPdu(variant, 0, false)), Row(full)) << variant;
  }
}

TEST(DecodeListedPdu, GivesShortFieldsForEveryCutOfALine) {
  for (std::string_view line :
       {kDeliver, kSubmit, kReport,
        std::string_view("00440B911346610089F60008208062917314080E050003A7020100DC0062006503A9"),
        std::string_view("00440B911346610089F60000208062917314080D050003A70201906536FB0D02"),
        std::string_view("00040DD0D432DB1E76970100002080629173140802E834")}) {
    const int status = line == kSubmit ? 2 : 0;
    const ListedPdu full = DecodeListedPdu(line, status, false);
    for (std::size_t length = 0; length <= line.size(); ++length) {
      const ListedPdu cut = DecodeListedPdu(line.substr(0, length), status, false);
      EXPECT_TRUE(full.number.starts_with(cut.number)) << line.substr(0, length);
      EXPECT_TRUE(full.date.starts_with(cut.date)) << line.substr(0, length);
      EXPECT_LE(cut.text.size(), full.text.size()) << line.substr(0, length);
    }
  }
}

TEST(DecodeListedPdu, SurvivesGarbage) {
  const std::string lines[] = {
      "",        "0",        "ZZ",   "hello world",          "FF",
      "FFFF",    "00FFFFFF", "\r\n", std::string(1000, 'F'), "000099" + std::string(600, '1'),
      "00040AD0"};
  for (const std::string& line : lines) {
    for (int status : {0, 1, 2, 3, 7, -1}) {
      const ListedPdu row = DecodeListedPdu(line, status, true);
      EXPECT_LE(row.number.size(), 1 + 2 * 255u);
      EXPECT_LE(row.text.size(), 255u);
      EXPECT_EQ(row.number.find_first_of("\r\n\"\x1A"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace telvane::gsm
