// Reading the entries of an AT+CMGL answer.
#include "sms/message_listing.h"

#include <gtest/gtest.h>

namespace telvane::sms {
namespace {

// Received from +491711234567: "PING", and from 01711234567 (national form): "ECHO hi".
constexpr const char* kPingPdu = "07919471000000F0040C9194711132547600001030902150504004D0A4F308";
constexpr const char* kEchoPdu =
    "07919471000000F0040B811017214365F700001030902150504007C521F20942A701";
// A stored, unsent message to 0130012345 (protocol identifier 0x76): "Hallo".
constexpr const char* kStoredPdu = "0011000A8110031032547600AA05C8309BFD06";

std::string Listing() {
  return std::string("\r\n+CMGL: 1,1,,23\r\n") + kPingPdu + "\r\n+CMGL: 4,2,,18\r\n" + kStoredPdu +
         "\r\n+CMGL: 7,0,,26\r\n" + kEchoPdu + "\r\n\r\nOK\r\n";
}

TEST(MessageListingTest, DecodesEveryEntryAndTellsReceivedFromStored) {
  const auto messages = ParseMessageListing(Listing(), false);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0].index, 1);
  EXPECT_EQ(messages[0].sender, "+491711234567");
  EXPECT_EQ(messages[0].addressType, 0x91);
  EXPECT_EQ(messages[0].text, "PING");
  EXPECT_EQ(messages[0].timestamp, "01/03/09 12:05:05");
  EXPECT_TRUE(messages[0].Received());
  EXPECT_EQ(messages[1].index, 4);
  EXPECT_FALSE(messages[1].Received());
  EXPECT_EQ(messages[2].index, 7);
  EXPECT_EQ(messages[2].sender, "01711234567");
  EXPECT_EQ(messages[2].text, "ECHO hi");
  EXPECT_TRUE(messages[2].Received());
  EXPECT_EQ(ParseMessageListing(Listing(), true)[0].timestamp, "09/03/01 12:05:05");
}

TEST(MessageListingTest, BrokenAnswersGiveWhatCanBeRead) {
  EXPECT_TRUE(ParseMessageListing("\r\nOK\r\n", false).empty());
  // A header without a PDU line, a header without an index, a garbled PDU line.
  const auto messages = ParseMessageListing(
      std::string("+CMGL: 3,1,,23\r\n+CMGL: ,1\r\nZZZZ\r\n+CMGL: 9,1,,5\r\n0791\xFF\r\n") +
          "+CMGL: 11,0,,23",
      false);
  // Entry 3 has no PDU line (the next header is not taken for one), nor has entry 11.
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].index, 9);
  EXPECT_TRUE(messages[0].sender.empty());
  EXPECT_TRUE(messages[0].text.empty());
}

TEST(MessageListingTest, HeadersWithoutTheirCommasGiveNoEntryOrNoStatus) {
  // "+CMGL: 5" has no "," after its index, "-3" is no index: no entry. "+CMGL: 6,3" has no
  // second ",": its status cell stays empty and the stored PDU is read as a received one;
  // so does the negative status of entry 7.
  const auto messages = ParseMessageListing(
      std::string("+CMGL: 5\r\n") + kPingPdu + "\r\n+CMGL: 6,3\r\n" + kPingPdu +
          "\r\n+CMGL: 7,-1,,23\r\n" + kPingPdu + "\r\n+CMGL: -3,1,,23\r\n" + kPingPdu + "\r\n",
      false);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].index, 6);
  EXPECT_EQ(messages[0].statusCell, "");
  EXPECT_EQ(messages[0].status, 0);
  EXPECT_EQ(messages[0].text, "PING");
  EXPECT_EQ(messages[1].index, 7);
  EXPECT_EQ(messages[1].statusCell, "");
  EXPECT_EQ(ParseMessageListing(Listing(), false)[1].statusCell, "2");
}

}  // namespace
}  // namespace telvane::sms
