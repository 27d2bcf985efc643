#include "gsm/submit_pdu.h"

#include <gtest/gtest.h>

#include <tuple>

#include "gsm/listed_pdu.h"

namespace telvane::gsm {
namespace {

SubmitRequest HelloRequest() {
  SubmitRequest request;
  request.serviceCentre = "+491234567890";
  request.destination = "+491701234567";
  request.text = "hellohello";
  return request;
}

std::string Hex(const SubmitRequest& request) {
  const auto pdu = BuildSubmitPdu(request);
  return pdu ? pdu->hex : "(refused)";
}

// The octet at octet index `index` after the centre and destination fields of a PDU built
// from HelloRequest(): 0 protocol identifier, 1 data coding, 2 validity, 3 user-data length.
std::string TailOctet(const SubmitRequest& request, std::size_t index) {
  return Hex(request).substr(16 + 4 + 16 + 2 * index, 2);
}

TEST(BuildSubmitPdu, WritesEveryFieldInOrder) {
  const auto pdu = BuildSubmitPdu(HelloRequest());
  ASSERT_TRUE(pdu);
  EXPECT_EQ(pdu->hex,
            "0791942143658709"
            "11"
            "00"
            "0C91947110325476"
            "00"
            "00"
            "AA"
            "0A"
            "E8329BFD4697D9EC37");
  EXPECT_EQ(pdu->commandLength, 23u);
  EXPECT_EQ(CommandLength(pdu->hex), 23u);
}

TEST(BuildSubmitPdu, SetsFirstOctetAndReferenceFromTheRequest) {
  SubmitRequest request = HelloRequest();
  request.statusReport = true;
  request.messageReference = 3;
  EXPECT_EQ(Hex(request).substr(16, 4), "3103");
}

TEST(BuildSubmitPdu, ChoosesTheDataCodingScheme) {
  SubmitRequest request = HelloRequest();
  EXPECT_EQ(TailOctet(request, 1), "00");
  request.flash = true;
  EXPECT_EQ(TailOctet(request, 1), "F0");
  request.eightBit = true;
  EXPECT_EQ(TailOctet(request, 1), "F4");
  request.flash = false;
  EXPECT_EQ(TailOctet(request, 1), "F6");
}

TEST(BuildSubmitPdu, MapsValidityDaysToRelativePeriods) {
  SubmitRequest request = HelloRequest();
  const std::pair<int, const char*> cases[] = {{1, "A7"}, {2, "A8"}, {3, "A9"},
                                               {4, "AA"}, {0, "AA"}, {7, "AA"}};
  for (const auto& [days, octet] : cases) {
    request.validityDays = days;
    EXPECT_EQ(TailOctet(request, 2), octet) << days;
  }
}

TEST(BuildSubmitPdu, StoresWithoutRecipientOrCentre) {
  SubmitRequest request;
  request.text = "Hi";
  const auto pdu = BuildSubmitPdu(request);
  ASSERT_TRUE(pdu);
  EXPECT_EQ(pdu->hex, "00110000000000AA02C834");
  EXPECT_EQ(pdu->commandLength, pdu->hex.size() / 2 - 1);
}

TEST(BuildSubmitPdu, ConvertsSevenBitTextAndEightBitOnlyWithGsmConv) {
  SubmitRequest request = HelloRequest();
  request.text = "@_\xE4";
  EXPECT_EQ(Hex(request).substr(42),
            "03"
            "80C81E");  // codes 00 11 7B packed
  request.eightBit = true;
  EXPECT_EQ(Hex(request).substr(42),
            "03"
            "405FE4");
  request.convertEightBit = true;
  EXPECT_EQ(Hex(request).substr(42),
            "03"
            "00117B");
}

TEST(BuildSubmitPdu, RefusesWhatOnePartCannotCarry) {
  SubmitRequest request = HelloRequest();
  request.text = std::string(160, 'x');
  EXPECT_EQ(TailOctet(request, 3), "A0");
  request.text += 'x';
  EXPECT_FALSE(BuildSubmitPdu(request));
  request.eightBit = true;
  request.text = std::string(140, 'x');
  EXPECT_TRUE(BuildSubmitPdu(request));
  request.text += 'x';
  EXPECT_FALSE(BuildSubmitPdu(request));
  request = HelloRequest();
  request.destination = "0170\r\nATD";
  EXPECT_FALSE(BuildSubmitPdu(request));
  request = HelloRequest();
  request.serviceCentre = "+49 123";
  EXPECT_FALSE(BuildSubmitPdu(request));
}

TEST(BuildSubmitPdu, NormalisesBothNumbers) {
  SubmitRequest request = HelloRequest();
  request.serviceCentre = "01234567890";
  request.destination = "01701234567";
  request.numbering = {true, "+49"};
  EXPECT_EQ(Hex(request).substr(0, 36),
            "0791942143658709"
            "1100"
            "0C91947110325476");
}

TEST(BuildSubmitPdu, ReadsBackThroughTheListDecoder) {
  SubmitRequest request = HelloRequest();
  request.text = "Treffen um 8 @ Caf\xE9 M\xFCller_\r\n\xA3\xA7";
  for (int status : {2, 3}) {
    const ListedPdu row = DecodeListedPdu(Hex(request), status, false);
    EXPECT_EQ(std::tuple(row.date, row.number, row.statusReport, row.text),
              std::tuple("", "+491701234567", false, request.text));
  }
  request.eightBit = true;
  request.convertEightBit = true;
  EXPECT_EQ(DecodeListedPdu(Hex(request), 2, false).text, request.text);
}

TEST(CommandLength, RejectsLinesWithoutAWholeCentreField) {
  EXPECT_EQ(CommandLength("00110000"), 3u);
  EXPECT_EQ(CommandLength(""), std::nullopt);
  EXPECT_EQ(CommandLength("0791"), std::nullopt);
  EXPECT_EQ(CommandLength("001"), std::nullopt);
}

}  // namespace
}  // namespace telvane::gsm
