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
  for (std::string_view line : {kDeliver, kSubmit, kReport}) {
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
