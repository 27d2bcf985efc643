// Reading the SMS list against a scripted phone: the three commands, the rows with their
// cells and names, the counters, the failures; the sort comparison and deletion.
#include "sms/sms_list.h"

#include <gtest/gtest.h>

#include "sms/sms_deletion.h"
#include "support/scripted_phone_test.h"

namespace telvane::sms {
namespace {

using testing::kOk;
using testing::Lines;

constexpr const char* kError = "\r\nERROR\r\n";
// From +491701234567 on 02/05/17 08:30:00: "Hello there".
constexpr const char* kHelloPdu = "00040C919471103254760000205071800300400BC8329BFD06D1D1657919";
// From 01711234567 on 01/12/24 18:00:00: "Older".
constexpr const char* kOlderPdu = "00040B811017214365F7000010214281000040054F36B92C07";
// From the gateway number 12320310301234567 on 02/01/01 10:00:00: "Gate".
constexpr const char* kGatePdu = "000411812123300103214365F700002010100100004004C730BD0C";
// Stored unsent to 0301234567: "Hallo".
constexpr const char* kStoredPdu = "0011000A8130103254760000AA05C8309BFD06";

std::string Listing() {
  return std::string("\r\n+CMGL: 3,1,,26\r\n") + kHelloPdu + "\r\n+CMGL: 10,0,,24\r\n" + kOlderPdu +
         "\r\n+CMGL: 2,2,,19\r\n" + kStoredPdu + "\r\n+CMGL: 11,1,,26\r\n" + kGatePdu + "\r\n" +
         kOk;
}

phonebook::ExternalBookTable Book() {
  phonebook::ExternalBookTable book;
  book.Add({1, "+491701234567", 145, "Carla+"});
  book.Add({2, "0301234567", 129, "Anna"});
  return book;
}

using Cells = std::array<std::string, kSmsColumnCount>;

class SmsListTest : public testing::ScriptedPhoneTest {
 protected:
  SmsListReading Read() { return ReadSmsList(exchange_, Book(), false); }
};

TEST_F(SmsListTest, ReadsStateListAndCountersIntoRowsSortedByDate) {
  Replies({"\r\n^SMGO: 0,1\r\n" + std::string(kOk), Listing(),
           "\r\n+CPMS: \"SM\",4,25,\"SM\",4,25,\"SM\",4,25\r\n" + std::string(kOk)});
  const SmsListReading reading = Read();
  EXPECT_EQ(SentLines(), (Lines{"AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"}));
  EXPECT_EQ(reading.messageId, 0);
  EXPECT_EQ(reading.overflowState, 1);
  EXPECT_EQ(reading.used, 4);
  EXPECT_EQ(reading.total, 25);
  ASSERT_EQ(reading.rows.size(), 4u);
  // The stored message (no date) first, then by date text.
  EXPECT_EQ(reading.rows[0].cells, (Cells{"2", "2", "", "0301234567", "Anna", "Hallo"}));
  EXPECT_EQ(reading.rows[0].position, 2);
  EXPECT_EQ(reading.rows[1].cells,
            (Cells{"10", "0", "01/12/24 18:00:00", "01711234567", "", "Older"}));
  EXPECT_EQ(reading.rows[2].cells,
            (Cells{"11", "1", "02/01/01 10:00:00", "0301234567", "Anna", "Gate"}));
  EXPECT_EQ(reading.rows[3].cells,
            (Cells{"3", "1", "02/05/17 08:30:00", "+491701234567", "Carla+", "Hello there"}));
  EXPECT_EQ(reading.rows[3].position, 0);
}

TEST_F(SmsListTest, AFailedStateAbortsAndAFailedListingStillReadsTheCounters) {
  Replies({kError});
  EXPECT_EQ(Read().messageId, kStrReadError);
  EXPECT_EQ(SentLines(), (Lines{"AT^SMGO?"}));

  Replies({"\r\n^SMGO: 0,7\r\n" + std::string(kOk), kError,
           "\r\n+CPMS: \"SM\"\r\n" + std::string(kOk)});
  const SmsListReading reading = Read();
  EXPECT_EQ(SentLines(), (Lines{"AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"}));
  EXPECT_EQ(reading.messageId, kStrCantReadList);
  EXPECT_TRUE(reading.rows.empty());
  EXPECT_EQ(reading.overflowState, 7);
  EXPECT_EQ(SmscOverflowText(9, 7), "");
  EXPECT_EQ(reading.used, 0);
  EXPECT_EQ(reading.total, 0);
}

TEST_F(SmsListTest, DeletesEachIndexInOrderAndTellsWhichWereRefused) {
  Replies({kOk, kError, kOk});
  const int indexes[] = {4, 9, 12};
  EXPECT_EQ(DeleteMessages(exchange_, indexes), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(SentLines(), (Lines{"AT+CMGD=4", "AT+CMGD=9", "AT+CMGD=12"}));
  EXPECT_EQ(IndexOfCell("17"), 17);
  EXPECT_EQ(IndexOfCell(""), std::nullopt);
  EXPECT_EQ(IndexOfCell("-1"), std::nullopt);
}

SmsListRow Row(int position, std::string index, std::string number) {
  SmsListRow row;
  row.position = position;
  row.cells[kColIndex] = std::move(index);
  row.cells[kColNumber] = std::move(number);
  return row;
}

TEST(SmsListCompareTest, IndexesAsNumbersOtherCellsAsBytesPositionsForMinusOne) {
  const SmsListRow two = Row(2, "2", "+4930"), ten = Row(0, "10", "0301"),
                   eleven = Row(1, "11", "\xE4");
  EXPECT_LT(CompareSmsRows(two, ten, 0), 0);
  EXPECT_LT(CompareSmsRows(ten, eleven, 0), 0);
  EXPECT_LT(CompareSmsRows(two, ten, 3), 0);     // "+" before "0"
  EXPECT_LT(CompareSmsRows(ten, eleven, 3), 0);  // ISO 8859-1 letters after ASCII
  EXPECT_GT(CompareSmsRows(two, ten, -1), 0);
  EXPECT_EQ(CompareSmsRows(two, two, 5), 0);
}

TEST(SmsListTextTest, GatewayNumbersAndOverflowTexts) {
  EXPECT_EQ(ShownNumber("12320310301234567"), "0301234567");
  EXPECT_EQ(ShownNumber("1232041555"), "555");
  EXPECT_EQ(ShownNumber("+491701234567"), "+491701234567");
  EXPECT_EQ(SmscOverflowText(9, 0), "Space available");
  EXPECT_EQ(SmscOverflowText(7, 2), "Puffer voll wartende Meld.");
  EXPECT_EQ(SmscOverflowText(12, 1), "M\xE9moire tampon pleine");
  EXPECT_EQ(SmscOverflowText(22, 0), "Espa\xE7o Dispon\xEDvel");
  EXPECT_EQ(SmscOverflowText(1031, 1), "Buffer full");
  EXPECT_EQ(SmscOverflowText(9, 3), "");
}

}  // namespace
}  // namespace telvane::sms
