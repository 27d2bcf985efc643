// Call forwarding and the SIM's state with gammu and the program on the same simulated
// phone, one after the other: what one sets, the other reads back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gammu_run.h"
#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

bool Has(const std::string& output, const std::string& text) {
  return output.find(text) != std::string::npos;
}

TEST(ServicesGammuScenario, ForwardingsSetByEitherClientShowInTheOtherAndCancelledNone) {
  Scenario scenario;
  ProgramRun gammu = Gammu(scenario, {"divert", "set", "noans", "voice", "+491701234567", "20"});
  ASSERT_EQ(gammu.status, 0) << gammu.out;

  ScriptRun run = scenario.Run(R"(
click 1111
select 1114 2
expect checked 1115 on
expect text 1126 +491701234567
expect text 1119 20
select 1114 1
check 1116 on
type 1127 0301234567
click 1144
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CCFC=0,2"),
            (Lines{"AT+CCFC=0,2", "AT+CCFC=2,2", "AT+CCFC=1,2", "AT+CCFC=1,1,0301234567,129,2"}));

  gammu = Gammu(scenario, {"divert", "get", "busy", "all"});
  ASSERT_EQ(gammu.status, 0) << gammu.out;
  EXPECT_TRUE(Has(gammu.out,
                  "Call type            : data\n"
                  "  Timeout              : 0 seconds\n"
                  "  Number               : 0301234567\n"))
      << gammu.out;
  EXPECT_FALSE(Has(gammu.out, "Call type            : voice\n  Timeout")) << gammu.out;

  gammu = Gammu(scenario, {"canceldiverts"});
  ASSERT_EQ(gammu.status, 0) << gammu.out;
  EXPECT_FALSE(scenario.ReceivedFrom("AT+CCFC=4,4").empty());
  scenario.ClearTranscript();
  run = scenario.Run(R"(
click 1111
expect checked 1115 off
select 1114 2
expect checked 1115 off
expect text 1126 
select 1114 1
expect checked 1116 off
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
}

TEST(ServicesGammuScenario, GammuReportsTheSimAsTheStateFileSetsIt) {
  Scenario ready;
  ProgramRun gammu = Gammu(ready, {"getsecuritystatus"});
  EXPECT_TRUE(Has(gammu.out, "Nothing to enter.")) << gammu.out;

  Scenario waiting(R"({"locks": {"attemptsLeft": {"pin": 0}}})");
  gammu = Gammu(waiting, {"getsecuritystatus"});
  EXPECT_TRUE(Has(gammu.out, "Waiting for PUK.")) << gammu.out;
}

}  // namespace
}  // namespace telvane::testing
