// Cutting texts into parts, and parts that must fit one PDU whatever their characters.
#include "sms/message_parts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gsm/submit_pdu.h"

namespace telvane::sms {
namespace {

using Parts = std::vector<std::string>;

TEST(MessagePartsTest, PartsOfThePartLengthWithAShortLastOne) {
  EXPECT_EQ(SplitIntoParts(std::string(141, 'x'), SmsPartLength(true)),
            (Parts{std::string(140, 'x'), "x"}));
  EXPECT_TRUE(SplitIntoParts("", 160).empty());
  EXPECT_TRUE(SplitIntoParts("abc", 0).empty());
}

// Brackets, braces, "|", "^", "~" and "\" are written as single GSM codes (no escape
// sequences), so a full part of them still goes into one PDU of 160 septets.
TEST(MessagePartsTest, FullPartOfBracketsAndBracesFitsOnePdu) {
  std::string text;
  while (text.size() < 161) text += "[]{}|^~\\\x80";
  const Parts parts = SplitIntoParts(text.substr(0, 161), SmsPartLength(false));
  ASSERT_EQ(parts.size(), 2u);
  gsm::SubmitRequest request;
  request.destination = "0171";
  request.text = parts[0];
  const auto pdu = gsm::BuildSubmitPdu(request);
  ASSERT_TRUE(pdu.has_value());
  EXPECT_EQ(pdu->commandLength, 10u + 140u);  // header octets, then 160 septets in 140 octets
  EXPECT_EQ(pdu->hex.substr(18, 4), "AAA0");  // validity, user-data length 160
}

}  // namespace
}  // namespace telvane::sms
