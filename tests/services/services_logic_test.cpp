// Reading forwarding, lock and range answers, and building the commands, from literals.
#include <gtest/gtest.h>

#include "services/call_forwarding.h"
#include "services/facility_locks.h"
#include "services/profile_settings.h"
#include "services/service_labels.h"

namespace telvane::services {
namespace {

TEST(ForwardingRecords, EachRecordKeepsToItsOwnQuotesAndDelay) {
  const auto records = ReadForwardingRecords(
      "\r\n+CCFC: 1,1,\"+491701234567\",145,,,20\r\n+CCFC: 1,2\r\n"
      "+CCFC: 1,4,\"0301234567\",129\r\n+CCFC: 0,7\r\n+CCFC: x\r\n\r\nOK\r\n");
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].status, 1);
  EXPECT_EQ(records[0].classCode, 1);
  EXPECT_EQ(records[0].number, "+491701234567");
  EXPECT_EQ(records[0].delay, 20);
  // No quotes in its own record: the next record's number is not taken.
  EXPECT_EQ(records[1].classCode, 2);
  EXPECT_EQ(records[1].number, "");
  EXPECT_EQ(records[1].delay, std::nullopt);
  EXPECT_EQ(records[2].number, "0301234567");
  EXPECT_EQ(records[2].delay, std::nullopt);
  EXPECT_EQ(records[3].status, 0);
  EXPECT_EQ(records[3].classCode, 7);
  EXPECT_TRUE(ReadForwardingRecords("+CCFC: 1,1,\"+4917").at(0).number.empty());
  // Blanks after the commas give the same record.
  const auto blanks =
      ReadForwardingRecords("\r\n+CCFC: 1, 1, \"+4917\", 145, , , 20\r\n\r\nOK\r\n");
  ASSERT_EQ(blanks.size(), 1u);
  EXPECT_EQ(blanks[0].classCode, 1);
  EXPECT_EQ(blanks[0].number, "+4917");
  EXPECT_EQ(blanks[0].delay, 20);
}

TEST(ForwardingCommand, BothFormatsTheRoundedDelayAndTheNumberType) {
  EXPECT_EQ(ForwardingCommand(2, 1, "+491701234567", 1, 17),
            "AT+CCFC=2,1,+491701234567,145,1,,,15");
  EXPECT_EQ(ForwardingCommand(0, 1, "0301234567", 7, 0), "AT+CCFC=0,1,0301234567,129,7");
  EXPECT_EQ(ForwardingCommand(2, 4, "*21#", 2, 4), "AT+CCFC=2,4,*21#,129,2");
  EXPECT_EQ(ForwardingCommand(2, 3, "030", 4, 30), "AT+CCFC=2,3,030,129,4,,,30");
}

TEST(ForwardingNumber, OnlyADiallingStringOfUpTo40CharactersStandsInACommand) {
  EXPECT_TRUE(IsForwardingNumber("+491701234567"));
  EXPECT_TRUE(IsForwardingNumber("*#123#"));
  EXPECT_TRUE(IsForwardingNumber("+" + std::string(39, '1')));
  EXPECT_FALSE(IsForwardingNumber("+" + std::string(40, '1')));
  for (const char* bad :
       {"", "+", "0301;+CFUN=0", "0301,145", "\"0301\"", "030 1", "+49+1", "0301\r", "0301\x1a"}) {
    EXPECT_FALSE(IsForwardingNumber(bad)) << bad;
  }
}

TEST(LockCommand, LocksBarringsAndTheirPasswords) {
  EXPECT_EQ(LockCommand(0, 1, "1234", 0), "AT+CLCK=CS,1");
  EXPECT_EQ(LockCommand(2, 1, "1234", 0), "AT+CLCK=SC,1,1234");
  EXPECT_EQ(LockCommand(3, 0, "", 0), "AT+CLCK=FD,0");
  EXPECT_EQ(LockCommand(5, 1, "0000", 2), "AT+CLCK=OI,1,0000,2");
  EXPECT_EQ(LockCommand(8, 0, "", 7), "AT+CLCK=IR,0,,7");
  EXPECT_TRUE(IsLockPassword(""));
  EXPECT_TRUE(IsLockPassword("123456789"));
  EXPECT_FALSE(IsLockPassword("1234567890"));
  EXPECT_FALSE(IsLockPassword("12;+CFUN=0"));
  EXPECT_FALSE(IsLockPassword("12,4"));
}

TEST(LockState, TheFirstStatusForALockTheVoiceRecordForABarring) {
  EXPECT_TRUE(ReadLockState("\r\n+CLCK: 1\r\n\r\nOK\r\n", 0).locked);
  EXPECT_FALSE(ReadLockState("\r\n+CLCK: 0\r\n\r\nOK\r\n", 2).locked);
  const std::string_view barring = "+CLCK: 0,2\r\n+CLCK: 1,1\r\n+CLCK: 0,4\r\n";
  EXPECT_TRUE(ReadLockState(barring, 7).voiceBarred);
  EXPECT_FALSE(ReadLockState("+CLCK: 1,2\r\n+CLCK: 0,1\r\n", 7).voiceBarred);
  EXPECT_FALSE(ReadLockState("+CLCK: 1\r\n", 7).voiceBarred);
}

TEST(ProfileRange, TheRangeBehindItsPrefix) {
  const auto range = ReadRange("\r\n+CRSL: (0-4)\r\n\r\nOK\r\n", "+CRSL:");
  ASSERT_TRUE(range);
  EXPECT_EQ(range->low, 0);
  EXPECT_EQ(range->high, 4);
  EXPECT_FALSE(ReadRange("+CRSL: 0-4\r\n", "+CRSL:"));
  EXPECT_FALSE(ReadRange("+CLVL: (0-4)\r\n", "+CRSL:"));
  EXPECT_FALSE(ReadRange("+CRSL: (3", "+CRSL:"));
}

TEST(ServiceLabels, EachLanguageItsOwnTextsInLatin1AndEnglishForOthers) {
  EXPECT_EQ(ReasonLabel(9, 2), "If no answer");
  EXPECT_EQ(ReasonLabel(22, 3), "Se N\xE3o Dispon\xEDvel");
  EXPECT_EQ(ReasonLabel(1, 0), "Always");
  EXPECT_EQ(FacilityLabel(7, 4), "Sperre f\xFCr ausgehende Rufe");
  EXPECT_EQ(FacilityLabel(20, 4),
            "Sperr alle utg\xE5"
            "ende samtaler");
  EXPECT_EQ(FacilityLabel(22, 2), "Cart\xE3o SIM ");
  EXPECT_EQ(FacilityLabel(9, 9), "");
}

}  // namespace
}  // namespace telvane::services
