// The SMS list window against the simulated phone: the commands it sends, the rows it
// shows, deleting with a refusal in the middle, viewing, exporting and the transfer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "sms_scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// 1: from +491701234567 on 02/05/17 08:30:00, "Hello there" (read); 2: stored unsent to
// 0301234567, "Hallo"; 3: from 01711234567 on 01/12/24 18:00:00, "Older" (unread);
// 4: from 12320310301234567 on 02/01/01 10:00:00, "Gate" (read).
std::string Phone(int capacity, const std::string& faults = "") {
  return R"({"messageCapacity": )" + std::to_string(capacity) + R"(, "messages": [
    {"index": 1, "status": 1, "pdu": "00040C919471103254760000205071800300400BC8329BFD06D1D1657919"},
    {"index": 2, "status": 2, "pdu": "0011000A8130103254760000AA05C8309BFD06"},
    {"index": 3, "status": 0, "pdu": "00040B811017214365F7000010214281000040054F36B92C07"},
    {"index": 4, "status": 1, "pdu": "000411812123300103214365F700002010100100004004C730BD0C"}
  ], "faults": [)" +
         faults + "]}";
}

constexpr const char* kExternalBook =
    "[SIM]\n1,Anna,0301234567\n2,Ben,+491711234567\n[INT]\n5,Carla+,+491701234567\n";

void WriteExternalBook(const Scenario& scenario) {
  WriteFile(scenario.SettingsFile().parent_path() / "Telvane.phb", kExternalBook);
}

TEST(SmsListScenario, OpensAndRefreshesWithTheThreeReadsAndShowsTheRows) {
  Scenario scenario(Phone(25));
  WriteExternalBook(scenario);
  const ScriptRun run = scenario.Run(R"(
click 1071
expect window 120
expect rowcount 1072 4
expect cell 1072 0 0 2
expect cell 1072 0 1 2
expect cell 1072 0 2 
expect cell 1072 0 3 0301234567
expect cell 1072 0 4 Anna
expect cell 1072 0 5 Hallo
expect cell 1072 1 0 3
expect cell 1072 1 1 0
expect cell 1072 1 2 01/12/24 18:00:00
expect cell 1072 1 3 01711234567
expect cell 1072 1 4 Ben
expect cell 1072 1 5 Older
expect cell 1072 2 3 0301234567
expect cell 1072 2 4 Anna
expect cell 1072 2 5 Gate
expect cell 1072 3 0 1
expect cell 1072 3 4 Carla+
expect cell 1072 3 5 Hello there
expect rows 1072 3
expect text 1146 4
expect text 1147 25
expect text 1204 Space available
click 1196
expect cell 1072 1 1 1
header 1072 0
expect cell 1072 0 0 1
expect cell 1072 3 0 4
# Equal statuses stay in reading order: the listing gave 1, 2, 3, 4.
header 1072 1
expect cell 1072 0 0 1
expect cell 1072 1 0 3
expect cell 1072 2 0 4
expect cell 1072 3 0 2
close
expect window 101
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  Lines expected = kListReading;
  expected.insert(expected.end(), kListReading.begin(), kListReading.end());
  EXPECT_EQ(scenario.ReceivedFrom("AT^SMGO?"), expected);
  EXPECT_NE(ReadFile(scenario.SettingsFile()).find("SCol5=350"), std::string::npos);
}

TEST(SmsListScenario, DeletesSelectedRowsInOrderAndKeepsTheRefusedOne) {
  Scenario scenario(Phone(25, R"({"kind": "error", "command": "AT+CMGD=4", "count": 1})"));
  const ScriptRun run = scenario.Run(R"(
click 1071
rows 1072 1 2 3
click 1073
expect message 50
expect rowcount 1072 2
expect cell 1072 0 0 2
expect cell 1072 1 0 4
expect text 1146 2
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out.find("message 50"), run.out.rfind("message 50")) << run.out;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CMGD=3"), (Lines{"AT+CMGD=3", "AT+CMGD=4", "AT+CMGD=1"}));
}

TEST(SmsListScenario, FullMemoryViewExportsAndTransferWithoutAPhonebook) {
  Scenario scenario(Phone(4));
  WriteExternalBook(scenario);
  const auto exported = scenario.Folder() / "sms.csv";
  const ScriptRun run = scenario.Run(R"(
click 1071
expect text 1204 Buffer full
expect text 1147 4
dblclick 1072 2
expect window 126
expect text 1098 Gate
expect text 1099 Anna
expect text 1100 02/01/01 10:00:00
expect text 1102 received read message
click 1
expect window 120
file )" + exported.string() + R"(
click 40020
expect opened )" + exported.string() +
                                     R"(
file )" + (scenario.Folder() / "missing" / "sms.xml").string() +
                                     R"(
click 40053
expect message 25
rows 1072 3
click 40037
expect message 74
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(ReadFile(exported),
            "NR,NAME,TELNUM,DATE,TEXT\r\n"
            "2,Anna,'0301234567,,Hallo\r\n"
            "3,Ben,'01711234567,01/12/24 18:00:00,Older\r\n"
            "4,Anna,'0301234567,02/01/01 10:00:00,Gate\r\n"
            "1,Carla+,'+491701234567,02/05/17 08:30:00,Hello there\r\n");
  EXPECT_EQ(scenario.ReceivedFrom("AT^SMGO?"), kListReading);
}

TEST(SmsListScenario, TransferOpensTheNewEntryDialogOfTheBookReadWithTheNumber) {
  Scenario scenario(Phone(25));
  // The phone book window leaves the address book chosen: its address dialog opens, once
  // per selected row with a number.
  const ScriptRun run = scenario.Run(R"(
click 1025
close
click 1071
rows 1072 0 3
click 40037
expect window 163
expect text 1273 0301234567
click 2
expect window 163
expect text 1273 +491701234567
click 2
expect window 120
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
}

}  // namespace
}  // namespace telvane::testing
