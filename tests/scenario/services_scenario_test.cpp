// Call forwarding, locks and the profile window against the simulated phone: what the
// user does, the commands the phone receives for it, and what the windows show.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// ---- Call forwarding ----

TEST(ForwardingScenario, ButtonsSendBothFormatsAndTheQueryReadsThemBack) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
click 1111
expect window 138
expect enabled 1121 off
select 1114 2
expect enabled 1121 on
check 1115 on
type 1126 +491701234567
updown 1121 17
click 1144
select 1114 0
check 1129 on
type 1132 0301234567
click 1144
close
click 1111
select 1114 2
expect checked 1115 on
expect text 1126 +491701234567
expect text 1119 15
expect checked 1129 off
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CCFC=0,2"),
            (Lines{"AT+CCFC=0,2", "AT+CCFC=2,2", "AT+CCFC=2,1,+491701234567,145,1,,,15",
                   "AT+CCFC=0,2", "AT+CCFC=0,1,0301234567,129,7", "AT+CCFC=0,2", "AT+CCFC=2,2"}));
}

TEST(ForwardingScenario, AnActiveRecordFillsItsRowAndAnInactiveOneChangesNothing) {
  Scenario scenario(R"({"forwarding": [
    {"reason": 2, "class": 1, "number": "+491701234567", "type": 145, "time": 20, "active": true},
    {"reason": 1, "class": 2, "number": "0301234567", "active": false}]})");
  const ScriptRun run = scenario.Run(R"(
click 1111
expect checked 1115 off
expect checked 1129 off
select 1114 2
expect checked 1115 on
expect text 1126 +491701234567
expect text 1119 20
expect checked 1116 off
select 1114 1
expect checked 1115 off
expect text 1126 
expect checked 1116 off
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CCFC=0,2"),
            (Lines{"AT+CCFC=0,2", "AT+CCFC=2,2", "AT+CCFC=1,2"}));
}

TEST(ForwardingScenario, AnEmptyOrUnsafeNumberShowsString29AndSendsNothing) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
click 1111
check 1115 on
click 1145
expect message 29
type 1126 0301;+CFUN=0
click 1144
expect message 29
type 1126 "0301",145
click 1162
expect message 29
check 1116 on
type 1127 0301234567
click 1163
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CCFC=0,2"),
            (Lines{"AT+CCFC=0,2", "AT+CCFC=0,4,0301234567,129,2"}));
}

// ---- Locks ----

TEST(LocksScenario, QueriesShowTheLockAndTheVoiceBarringAndTheSameItemSendsNothing) {
  Scenario scenario(R"({"locks": {"on": ["CS"], "barred": {"AI": 1}}})");
  const ScriptRun run = scenario.Run(R"(
click 1153
expect window 139
expect checked 1154 on
expect enabled 1149 off
select 1148 7
expect enabled 1149 on
expect checked 1149 on
expect checked 1154 off
select 1148 7
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CLCK=CS,2"), (Lines{"AT+CLCK=CS,2", "AT+CLCK=AI,2"}));
}

TEST(LocksScenario, BarringsCarryThePasswordPerClassAndAWrongOneGivesString53) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
click 1153
select 1148 5
check 1150 on
check 1151 on
type 1157 0000
click 1155
type 1157 9999
check 1151 off
click 1155
expect message 53
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(
      scenario.ReceivedFrom("AT+CLCK=OI,2"),
      (Lines{"AT+CLCK=OI,2", "AT+CLCK=OI,1,0000,2", "AT+CLCK=OI,1,0000,4", "AT+CLCK=OI,1,9999,2"}));
}

TEST(LocksScenario, CodedLocksGetTheirCodeAndThePasswordStaysOffScreenAndDisk) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
click 1153
click 1155
expect checked 1154 on
select 1148 2
type 1157 1111
dump 1157
click 1155
expect checked 1154 on
select 1148 3
type 1157 
click 1156
expect message 54
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CLCK=CS,2"),
            (Lines{"AT+CLCK=CS,2", "AT+CLCK=CS,1", "AT+CLCK=SC,2", "AT+CLCK=SC,1,1111",
                   "AT+CLCK=FD,2", "AT+CLCK=FD,0"}));
  EXPECT_NE(run.out.find("control 1157 Edit text=\"****\""), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("1111"), std::string::npos);
  EXPECT_EQ(FileText(scenario.SettingsFile()).find("1111"), std::string::npos);
}

// ---- Profile ----

const Lines kProfileOpening = {"AT+CVIB?", "AT+CMUT?",  "AT+CALM?", "AT+CRSL=?",
                               "AT+CRSL?", "AT+CLVL=?", "AT+CLVL?"};
const Lines kRefreshStatus = {"AT+CBC", "AT+CREG=2", "AT+CREG?", "AT+CSQ", "AT+COPS?", "AT^SMGL=0"};

// What the phone received after the main window's opening, which ends with AT+CVIB?.
Lines AfterMainWindow(const Scenario& scenario) {
  Lines from = scenario.ReceivedFrom("AT+CVIB?");
  if (!from.empty()) from.erase(from.begin());
  return from;
}

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(ProfileScenario, OpensInOrderShowsSilentAndTheRingerStopsAtItsTop) {
  Scenario scenario(R"({"audio": {"volume": 4}, "profile": {"alertMode": 1, "speakerVolume": 2}})");
  const ScriptRun run = scenario.Run(R"(
click 1257
expect window 154
expect checked 1249 on
expect text 1251 4
expect text 1253 2
updown 1252 1
expect text 1251 4
updown 1254 -1
click 1250
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(
      AfterMainWindow(scenario),
      Concat(Concat(kProfileOpening, {"AT+CRSL=4", "AT+CLVL=1", "AT+CALM=2"}), kRefreshStatus));
}

TEST(ProfileScenario, RefusedChangesPutTheControlsBackToWhatThePhoneKeeps) {
  Scenario scenario(R"({"profile": {"alertMode": 1, "mute": true}, "audio": {"vibrator": true},
    "faults": [{"kind": "error", "command": "AT+CMUT=0", "count": 1},
               {"kind": "error", "command": "AT+CVIB=0", "count": 2},
               {"kind": "error", "command": "AT+CALM=0", "count": 1},
               {"kind": "error", "command": "AT+CLVL=3", "count": 1}]})");
  const ScriptRun run = scenario.Run(R"(
click 1257
check 1233 off
expect message 107
expect checked 1233 on
check 1256 off
expect message 102
expect checked 1256 on
click 1248
expect checked 1249 on
expect checked 1248 off
updown 1254 1
expect text 1253 2
close
check 1245 off
expect message 102
expect checked 1245 on
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(AfterMainWindow(scenario),
            Concat(Concat(kProfileOpening, {"AT+CMUT=0", "AT+CVIB=0", "AT+CALM=0", "AT+CLVL=3"}),
                   Concat(kRefreshStatus, {"AT+CVIB=0"})));
}

TEST(ProfileScenario, AFailedMuteIsUntickedAndAnUnreadRangeDisablesItsUpDown) {
  Scenario scenario(R"({"faults": [{"kind": "error", "command": "AT+CMUT=1", "count": 1},
                                   {"kind": "error", "command": "AT+CRSL=?", "count": 1}]})");
  const ScriptRun run = scenario.Run(R"(
click 1257
expect enabled 1252 off
expect enabled 1254 on
check 1233 on
expect message 105
expect checked 1233 off
check 1233 on
expect message 104
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(AfterMainWindow(scenario),
            Concat(Lines{"AT+CVIB?", "AT+CMUT?", "AT+CALM?", "AT+CRSL=?", "AT+CLVL=?", "AT+CLVL?",
                         "AT+CMUT=1", "AT+CMUT=1"},
                   kRefreshStatus));
}

}  // namespace
}  // namespace telvane::testing
