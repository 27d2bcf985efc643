// Answers as real phones give them: unsolicited codes inside an answer and blanks after
// commas leave every field and every command as with the plain answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string FaultOnEveryCommand(const std::string& kind, const std::string& command = "") {
  return R"({"faults": [{"kind": ")" + kind + R"(", "command": ")" + command +
         R"(", "count": -1}]})";
}

const char kMainWindowFields[] = R"(
expect window 101
expect text 1066 SIEMENS
expect text 1001 S45
expect text 1002 21
expect text 1003 350123451234567
expect text 1006 00101-0123456789
expect text 1007 89490200001234567892
expect text 1004 80%
expect bitmap 1104 130
expect text 1005 2,1,"0F3C","A1B2"
expect text 1079 -79 dBm / 0.013 nW
expect bitmap 1105 134
expect text 1068 0,0,"Nordnetz"
expect checked 1247 off
click 40001
)";

const Lines kMainWindowCommands = {"ATZ",       "ATE0",     "AT+CMEE=0", "AT+CSMS=1", "AT^SBNW=?",
                                   "AT+CGMI",   "AT+CGMM",  "AT+CGMR",   "AT+CGSN",   "AT+CBC",
                                   "AT+CREG=2", "AT+CREG?", "AT+CSQ",    "AT+COPS?",  "AT^SMGL=0",
                                   "AT+CIMI",   "AT^SCID",  "AT^SRTC=?", "AT^SRTC?",  "AT^SNFS?",
                                   "AT^SNFV?",  "AT+CVIB?"};

TEST(RealPhoneScenario, MainWindowFieldsStayTheSameWithRingOrBlanksInEveryAnswer) {
  for (const char* kind : {"ringBeforeResult", "messageBeforeResult", "blanksAfterCommas"}) {
    Scenario scenario(FaultOnEveryCommand(kind));
    const ScriptRun run = scenario.Run(kMainWindowFields);
    EXPECT_EQ(run.status, 0) << kind << "\n" << run.out << run.err;
    EXPECT_EQ(scenario.Received(), kMainWindowCommands) << kind;
  }
}

TEST(RealPhoneScenario, NewMessageCodesInsideABookReadChangeNothing) {
  const std::string books =
      R"("phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Anna"},
                               {"position": 2, "number": "+4930222", "name": "Bob"}]})";
  const std::string script = R"(
click 1025
select 1106 0
expect rowcount 1026 2
expect cell 1026 0 1 Anna
expect cell 1026 0 2 0301
expect cell 1026 1 1 Bob
expect cell 1026 1 2 +4930222
)";
  Scenario plain("{" + books + "}", "ReadB=1\n");
  ASSERT_EQ(plain.Run(script).status, 0);
  for (const char* kind : {"messageBeforeResult", "blanksAfterCommas"}) {
    Scenario scenario(R"({"faults": [{"kind": ")" + std::string(kind) +
                          R"(", "command": "AT+CPBR", "count": -1}], )" + books + "}",
                      "ReadB=1\n");
    const ScriptRun run = scenario.Run(script);
    EXPECT_EQ(run.status, 0) << kind << "\n" << run.out << run.err;
    EXPECT_EQ(scenario.Received(), plain.Received()) << kind;
  }
}

}  // namespace
}  // namespace telvane::testing
