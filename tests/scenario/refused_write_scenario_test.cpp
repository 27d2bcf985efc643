// A write the phone refuses leaves the entry, address and modify dialogs open with what
// was typed; the next OK writes it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string RefusedOnce(const std::string& command) {
  return R"("faults": [{"kind": "error", "command": ")" + command + R"(", "count": 1}])";
}

// The last `count` commands the phone received, each data line (hex, then Ctrl-Z) as
// "<data>".
Lines Last(const Scenario& scenario, std::size_t count) {
  Lines all = scenario.Received();
  if (all.size() > count) all.erase(all.begin(), all.end() - static_cast<std::ptrdiff_t>(count));
  for (std::string& line : all) {
    if (line.ends_with("<SUB>")) line = "<data>";
  }
  return all;
}

TEST(RefusedWriteScenario, SimEntryDialogKeepsTheTypedEntryForTheNextTry) {
  Scenario scenario(
      R"({"phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Zeta"}]}, )" +
          RefusedOnce("AT+CPBW=") + "}",
      "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
select 1106 0
rclick 1026
click 40005
type 1056 Anna
type 1058 +4930
click 1
expect message 49
expect window 110
expect text 1056 Anna
expect text 1058 +4930
click 1
expect window 105
expect rowcount 1026 2
expect cell 1026 0 1 Anna
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 49 Telvane Error: Can't write new entry\n");
  // The refused write, then the same write again.
  EXPECT_EQ(Last(scenario, 3),
            (Lines{"AT^SPBS=SM", "AT+CPBW=2,+4930,145,\"Anna\"", "AT+CPBW=2,+4930,145,\"Anna\""}));
}

TEST(RefusedWriteScenario, AddressDialogKeepsTheTypedEntryForTheNextTry) {
  Scenario scenario(R"({)" + RefusedOnce("AT^SBNW=\\\"vcf\\\",1,1") + "}", "ReadB=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1025
rclick 1026
click 40005
expect window 163
type 1266 Miller
type 1273 +4930
click 1
expect window 163
expect text 1266 Miller
expect text 1273 +4930
click 1
expect window 105
expect cell 1026 0 1 Miller
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 49 Telvane Error: Can't write new entry\n");
  // The refused block header, then the whole object into the same index.
  EXPECT_EQ(Last(scenario, 5), (Lines{"AT^SPBS=ME", "AT^SPBS=ME", "AT^SBNW=\"vcf\",1,1,1",
                                      "AT^SBNW=\"vcf\",1,1,1", "<data>"}));
}

TEST(RefusedWriteScenario, OrganizerModifyDialogKeepsTheTypedEntryForTheNextTry) {
  Scenario scenario(
      R"({"objects": {"vcs": [{"index": 1, "text": "BEGIN:VCALENDAR\r\nVERSION:1.0\r\n)"
      R"(BEGIN:VEVENT\r\nCATEGORIES:MISCELLANEOUS\r\nDTSTART:20261208T090000\r\n)"
      R"(DESCRIPTION:Arzt\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n"}]}, )" +
      RefusedOnce("AT^SBNW=\\\"vcs\\\",1,1") + "}");
  const ScriptRun run = scenario.Run(R"(
click 1041
dblclick 1047 0
expect window 142
type 1169 Zahnarzt
click 1
expect window 142
expect text 1169 Zahnarzt
click 1
expect window 108
expect cell 1047 0 6 Zahnarzt
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "message 33 Telvane Error: Can't write calender entry\n");
  // Each try erases the slot and writes its two blocks; the first header is refused.
  EXPECT_EQ(Last(scenario, 7),
            (Lines{"AT^SBNW=\"vcs\",0", "AT^SBNW=\"vcs\",1,1,2", "AT^SBNW=\"vcs\",0",
                   "AT^SBNW=\"vcs\",1,1,2", "<data>", "AT^SBNW=\"vcs\",1,2,2", "<data>"}));
}

}  // namespace
}  // namespace telvane::testing
