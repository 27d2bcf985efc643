// The simulated phone's call forwarding, locks, passwords and profile, command by command.
#include <gtest/gtest.h>

#include "engine_test.h"
#include "sim/state_json.h"

namespace telvane::sim {
namespace {

class ServicesEngineTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(Send("AT+CMEE=2"), "\r\nOK\r\n");
  }
  void Restart(PhoneState state) {
    Start(std::move(state));
    ASSERT_EQ(Send("AT+CMEE=2"), "\r\nOK\r\n");
  }
};

constexpr const char* kOk = "\r\nOK\r\n";
constexpr const char* kWrongPassword = "\r\n+CME ERROR: incorrect password\r\n";

TEST_F(ServicesEngineTest, ForwardingRegistersEnablesDisablesAndErasesPerClass) {
  EXPECT_EQ(Send("AT+CCFC=2,2"), "\r\n+CCFC: 0,7\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=2,3,\"+491701234567\",145,5,,,25"), kOk);
  EXPECT_EQ(Send("AT+CCFC=2,2"),
            "\r\n+CCFC: 1,1,\"+491701234567\",145,,,25\r\n"
            "+CCFC: 1,4,\"+491701234567\",145,,,25\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=2,0,,,1"), kOk);  // disabled, number kept
  EXPECT_EQ(Send("AT+CCFC=2,2,,,1"), "\r\n+CCFC: 0,1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=2,1"), kOk);  // enables what is registered
  EXPECT_EQ(Send("AT+CCFC=2,2,,,1"), "\r\n+CCFC: 1,1,\"+491701234567\",145,,,25\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=0,1,0301234567,129"), kOk);
  EXPECT_EQ(Send("AT+CCFC=0,2"),
            "\r\n+CCFC: 1,1,\"0301234567\",129\r\n+CCFC: 1,2,\"0301234567\",129\r\n"
            "+CCFC: 1,4,\"0301234567\",129\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=4,4"), kOk);
  EXPECT_EQ(Send("AT+CCFC=0,2"), "\r\n+CCFC: 0,7\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CCFC=2,1"), kOk);
  EXPECT_EQ(Send("AT+CCFC=2,2"), "\r\n+CCFC: 0,7\r\n\r\nOK\r\n");
  EXPECT_TRUE(engine_->Snapshot().forwarding.empty());
}

TEST_F(ServicesEngineTest, ForwardingRefusesBadNumbersTimesAndNoNetwork) {
  EXPECT_EQ(Send("AT+CCFC=0,3,0301A"), "\r\n+CME ERROR: invalid characters in dial string\r\n");
  EXPECT_EQ(Send("AT+CCFC=0,3," + std::string(21, '1')),
            "\r\n+CME ERROR: dial string too long\r\n");
  EXPECT_EQ(Send("AT+CCFC=2,3,030,129,1,,,31"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT+CCFC=6,2"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT+CCFC=0,x"), "\r\nERROR\r\n");
  EXPECT_EQ(Send("AT+CFUN=0"), kOk);
  EXPECT_EQ(Send("AT+CCFC=0,2"), "\r\n+CME ERROR: no network service\r\n");
  EXPECT_EQ(Send("AT+CLCK=AO,2"), "\r\n+CME ERROR: no network service\r\n");
}

TEST_F(ServicesEngineTest, LocksCheckTheirPasswordsAndBarringsAnswerPerClass) {
  EXPECT_EQ(Send("AT+CLCK=CS,1"), kOk);
  EXPECT_EQ(Send("AT+CLCK=\"CS\",2"), "\r\n+CLCK: 1\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLCK=PS,1,9999"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=PS,1,0000"), kOk);
  EXPECT_EQ(Send("AT+CLCK=OI,1,0000,2"), kOk);
  EXPECT_EQ(Send("AT+CLCK=OI,1,0000,4"), kOk);
  EXPECT_EQ(Send("AT+CLCK=OI,2"), "\r\n+CLCK: 0,1\r\n+CLCK: 1,2\r\n+CLCK: 1,4\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLCK=AG,0,0000"), kOk);
  EXPECT_EQ(Send("AT+CLCK=OI,2"), "\r\n+CLCK: 0,1\r\n+CLCK: 0,2\r\n+CLCK: 0,4\r\n\r\nOK\r\n");
  // Three wrong barring passwords block it; the right one no longer helps.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Send("AT+CLCK=AI,1,1111"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=AI,1,0000"), "\r\n+CME ERROR: operation not allowed\r\n");
  const Locks locks = engine_->Snapshot().locks;
  EXPECT_EQ(locks.on, (std::vector<std::string>{"CS", "PS"}));
  EXPECT_EQ(locks.attemptsLeft.barring, 0);
}

TEST_F(ServicesEngineTest, ThreeWrongPinsWaitForThePukAndTenWrongPuksKillTheSim) {
  EXPECT_EQ(Send("AT+CLCK=SC,1,1111"), kOk);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Send("AT+CLCK=SC,0,2222"), kWrongPassword);
  EXPECT_EQ(Send("AT+CPIN?"), "\r\n+CPIN: SIM PUK\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLCK=SC,2"), "\r\n+CME ERROR: SIM PUK required\r\n");
  EXPECT_EQ(Send("AT+CPBR=1"), "\r\n+CME ERROR: SIM PUK required\r\n");
  EXPECT_EQ(Send("AT+CREG?"), "\r\n+CREG: 0,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPIN=12345678,4321"), kOk);
  EXPECT_EQ(Send("AT+CPIN?"), "\r\n+CPIN: READY\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLCK=SC,0,4321"), kOk);

  PhoneState waiting = DemoPhone();
  waiting.locks.attemptsLeft.pin = 0;
  Restart(waiting);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(Send("AT+CPIN=11111111,4321"), kWrongPassword);
  EXPECT_EQ(Send("AT+CPIN=11111111,4321"), "\r\n+CME ERROR: SIM failure\r\n");
  EXPECT_EQ(Send("AT+CPIN?"), "\r\n+CME ERROR: SIM failure\r\n");
}

TEST_F(ServicesEngineTest, PasswordsChangeAfterTheOldOneWithTheLocksCounters) {
  EXPECT_EQ(Send("AT+CPWD=?"),
            "\r\n+CPWD: (\"PS\",8),(\"SC\",8),(\"P2\",8),(\"AO\",4),(\"OI\",4),(\"OX\",4),"
            "(\"AI\",4),(\"IR\",4),(\"AB\",4),(\"AG\",4),(\"AC\",4)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CPWD=\"SC\",\"1111\",\"2468\""), kOk);
  EXPECT_EQ(Send("AT+CLCK=SC,1,1111"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=SC,1,2468"), kOk);
  EXPECT_EQ(Send("AT+CPWD=P2,1234,12"), kWrongPassword);  // too short: not counted
  EXPECT_EQ(Send("AT+CPWD=P2,9999,5678"), kWrongPassword);
  EXPECT_EQ(engine_->Snapshot().locks.attemptsLeft.pin2, 2);
  EXPECT_EQ(Send("AT+CPWD=P2,1234,5678"), kOk);
  EXPECT_EQ(Send("AT+CPWD=PS,0000,123456"), kOk);
  EXPECT_EQ(Send("AT+CPWD=AB,0000,12345"), kWrongPassword);  // barring: four digits
  EXPECT_EQ(Send("AT+CPWD=AO,0000,4321"), kOk);
  EXPECT_EQ(Send("AT+CLCK=AO,1,4321"), kOk);
  EXPECT_EQ(Send("AT+CPWD=CS,0000,1234"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT+CPWD=SC,2468"), "\r\nERROR\r\n");
  const Locks locks = engine_->Snapshot().locks;
  EXPECT_EQ(locks.pin, "2468");
  EXPECT_EQ(locks.pin2, "5678");
  EXPECT_EQ(locks.phoneCode, "123456");
  EXPECT_EQ(locks.barringPassword, "4321");
  EXPECT_EQ(locks.attemptsLeft.pin2, 3);
  // Three wrong PINs leave the SIM waiting for its PUK.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Send("AT+CPWD=SC,0000,1111"), kWrongPassword);
  EXPECT_EQ(Send("AT+CPWD=SC,2468,1111"), "\r\n+CME ERROR: SIM PUK required\r\n");
  EXPECT_EQ(Send("AT+CPWD=AO,4321,0000"), "\r\n+CME ERROR: no network service\r\n");
}

TEST_F(ServicesEngineTest, Pin2CountsForTheFixedDiallingLockAndTheBookAlike) {
  EXPECT_EQ(Send("AT+CPIN=9999"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=FD,1,9999"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=FD,1,9999"), kWrongPassword);
  EXPECT_EQ(Send("AT+CLCK=FD,1,1234"), "\r\n+CME ERROR: SIM PUK2 required\r\n");
  EXPECT_EQ(Send("AT+CPIN=87654321,5678"), kOk);
  EXPECT_EQ(Send("AT+CLCK=FD,1,5678"), kOk);
  EXPECT_EQ(engine_->Snapshot().locks.attemptsLeft.pin2, 3);
}

TEST_F(ServicesEngineTest, ProfileCommandsWithTheirRangesAndTheRingerAsTheToneVolume) {
  EXPECT_EQ(Send("AT+CALM=?"), "\r\n+CALM: (0-2)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLVL=?"), "\r\n+CLVL: (0-4)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CMUT=?"), "\r\n+CMUT: (0,1)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CRSL=?"), "\r\n+CRSL: (0-4)\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CALM=1"), kOk);
  EXPECT_EQ(Send("AT+CALM=3"), "\r\n+CME ERROR: operation not supported\r\n");
  EXPECT_EQ(Send("AT+CRSL=1"), kOk);
  EXPECT_EQ(Send("AT^SRTC?"), "\r\n^SRTC: 12,1,0\r\n\r\nOK\r\n");
  EXPECT_EQ(Send("AT+CLVL=4"), kOk);
  EXPECT_EQ(Send("AT+CMUT=1"), kOk);
  EXPECT_EQ(Send("AT+CALM?;+CLVL?;+CMUT?;+CRSL?"),
            "\r\n+CALM: 1\r\n\r\n+CLVL: 4\r\n\r\n+CMUT: 1\r\n\r\n+CRSL: 1\r\n\r\nOK\r\n");
}

TEST(ServicesStateJson, TheThreeSectionsRoundTripAndAreChecked) {
  const std::string text = R"({
    "forwarding": [{"reason": 2, "class": 1, "number": "+491701234567", "type": 145,
                    "time": 20, "active": true}],
    "locks": {"pin": "4321", "attemptsLeft": {"pin": 0}, "on": ["SC"], "barred": {"AI": 5}},
    "profile": {"alertMode": 2, "speakerVolume": 6, "speakerRange": [1, 7], "mute": true}})";
  const PhoneState state = PhoneStateFromJson(text);
  const PhoneState back = PhoneStateFromJson(PhoneStateToJson(state));
  ASSERT_EQ(back.forwarding.size(), 1u);
  EXPECT_EQ(back.forwarding[0].number, "+491701234567");
  EXPECT_EQ(back.forwarding[0].time, 20);
  EXPECT_EQ(back.locks.pin, "4321");
  EXPECT_TRUE(back.locks.SimWaitsForPuk());
  EXPECT_EQ(back.locks.barred.at("AI"), 5);
  EXPECT_EQ(back.profile.speakerRangeHigh, 7);
  EXPECT_EQ(back.profile.speakerVolume, 6);
  EXPECT_TRUE(back.profile.mute);
  for (const char* bad :
       {R"({"forwarding": [{"reason": 4}]})", R"({"forwarding": [{"number": "0301;1"}]})",
        R"({"forwarding": [{"active": true}]})", R"({"forwarding": [{"class": 2}, {"class": 2}]})",
        R"({"locks": {"pin": "12a4"}})", R"({"locks": {"on": ["AO"]}})",
        R"({"locks": {"attemptsLeft": {"puk": 11}}})", R"({"profile": {"speakerVolume": 5}})",
        R"({"profile": {"alertMode": 3}})"}) {
    EXPECT_THROW(PhoneStateFromJson(bad), std::runtime_error) << bad;
  }
}

}  // namespace
}  // namespace telvane::sim
