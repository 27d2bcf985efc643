// The net information window against the simulated phone: the opening reads in order, the
// preferred list changed by double-click and Delete at the phone's own indexes, and a
// found network chosen by its state.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string Phone(const std::string& preferred, const std::string& faults = "[]") {
  return R"({"operators": {
    "known": [{"code": "26201", "name": "Nordnetz"}, {"code": "26202", "name": "Suednetz"},
              {"code": "23415", "name": "Vodafone UK"}],
    "preferred": )" +
         preferred + R"(,
    "found": [{"state": 2, "name": "Nordnetz", "code": "26201"},
              {"state": 1, "name": "Suednetz", "code": "26202"}],
    "searchSeconds": 0},
  "faults": )" +
         faults + "}";
}

const char* kTwoOfFour = R"({"size": 4, "entries": [{"index": 1, "code": "23415"},
                                                     {"index": 3, "code": "26202"}]})";

// What the phone received from the window's first command on.
Lines WindowCommands(const Scenario& scenario) { return scenario.ReceivedFrom("AT^SPLM"); }

TEST(OperatorScenario, OpeningReadsInOrderAndChangesReachTheirIndexes) {
  Scenario scenario(Phone(kTwoOfFour));
  const ScriptRun run = scenario.Run(R"(
click 1054
expect window 109
expect rowcount 1009 3
expect cell 1009 0 1 Nordnetz
expect cell 1009 2 0 23415
expect rowcount 1010 4
expect cell 1010 0 1 Vodafone UK
expect cell 1010 1 0 0
expect cell 1010 1 1 EMPTY
expect cell 1010 2 1 Suednetz
expect rowcount 1177 2
expect cell 1177 1 2 1
header 1009 0
expect cell 1009 0 0 23415
dblclick 1009 1
expect cell 1010 1 1 Nordnetz
rows 1010 0
key 1010 delete
expect cell 1010 0 0 0
expect cell 1010 0 1 EMPTY
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const Lines expected = {"AT^SPLM",   "AT^SPLR=?", "AT^SPLR=1",       "AT^SPLR=2", "AT^SPLR=3",
                          "AT^SPLR=4", "AT+COPS=?", "AT^SPLW=2,26201", "AT^SPLW=1"};
  EXPECT_EQ(WindowCommands(scenario), expected);
}

TEST(OperatorScenario, AnUnreadIndexShiftsNoLaterWriteAndAFullListSendsNothing) {
  Scenario shifted(Phone(kTwoOfFour, R"([{"kind": "error", "command": "AT^SPLR=2"}])"));
  ScriptRun run = shifted.Run(R"(
click 1054
expect rowcount 1010 3
expect cell 1010 1 0 26202
dblclick 1009 0
expect cell 1010 2 1 Nordnetz
rows 1010 1
key 1010 delete
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  Lines sent = WindowCommands(shifted);
  sent.erase(sent.begin(), std::find(sent.begin(), sent.end(), "AT+COPS=?"));
  EXPECT_EQ(sent, (Lines{"AT+COPS=?", "AT^SPLW=4,26201", "AT^SPLW=3"}));

  Scenario full(Phone(R"({"size": 2, "entries": [{"index": 1, "code": "23415"},
                                                  {"index": 2, "code": "26202"}]})"));
  run = full.Run(R"(
click 1054
dblclick 1009 0
expect message 32
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(full.ReceivedFrom("AT+COPS=?"), (Lines{"AT+COPS=?"}));
}

TEST(OperatorScenario, TheCurrentNetworkOnlySaysSoAnAvailableOneIsRegisteredWith) {
  Scenario scenario(Phone(kTwoOfFour));
  const ScriptRun run = scenario.Run(R"(
click 1054
dblclick 1177 0
expect message 63
dblclick 1177 1
close
expect text 1068 1,0,"Suednetz"
expect text 1005 2,1,"0F3C","A1B2"
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+COPS=?"),
            (Lines{"AT+COPS=?", "AT+COPS=1,2,26202", "AT+COPS=3,0", "AT+COPS?", "AT+CREG?"}));
}

}  // namespace
}  // namespace telvane::testing
