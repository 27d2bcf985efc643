// The SMS list and gammu on the same simulated phone, one after the other: what the program
// stores and sends, gammu lists with the same numbers and texts, and what gammu stores and
// sends, the program's list shows alike. The simulator keeps the messages between the two
// clients; each opens the phone's pseudo-terminal in turn and closes it when done.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gammu_run.h"
#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// An empty message memory, the two own numbers (a message sent to them arrives) and `faults`.
std::string Phone(const std::string& faults = "") {
  return R"({"messages": [], "phonebooks": {"ON": [
    {"position": 1, "number": "+491701112233", "name": "Eigene Nummer"},
    {"position": 2, "number": "+491701112234", "name": "Fax"}]}, "faults": [)" +
         faults + "]}";
}

bool Has(const std::string& output, const std::string& lines) {
  return output.find(lines) != std::string::npos;
}

const std::string kLetters = [] {
  std::string letters;
  for (int i = 0; i < 20; ++i) letters += "abcdefghij";
  return letters;
}();

TEST(SmsGammuScenario, GammuListsWhatTheProgramStoredAndSentToTheOwnNumber) {
  Scenario scenario(Phone(R"({"kind": "error", "command": "AT+CMGS", "count": 1})"),
                    "Ptxt0=Ruf mich an\n");
  const ScriptRun run = scenario.Run(R"(
click 1071
expect window 120
rclick 1072
click 40015
expect window 122
type 1077 Bitte zurueckrufen
type 1078 +491701112233
answer cancel
answer yes
click 1
expect window 120
expect cell 1072 0 0 1
expect cell 1072 0 3 +491701112233
expect cell 1072 0 5 Bitte zurueckrufen
rows 1072 0
rclick 1072
click 40015
expect text 1078 +491701112233
type 1077 Grüße @ £5 Ø_é ¿ok?
click 1
expect window 120
click 1175
rows 1174 0
click 40027
close
expect window 120
click 1196
expect rowcount 1072 3
# Read again and sorted by date: the stored messages, which have none, come first.
expect cell 1072 1 0 3
expect cell 1072 1 1 2
expect cell 1072 1 3 
expect cell 1072 1 5 Ruf mich an
expect cell 1072 2 0 2
expect cell 1072 2 1 0
expect cell 1072 2 3 +491701112233
expect cell 1072 2 5 Grüße @ £5 Ø_é ¿ok?
close
click 40001
)");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const Lines received = scenario.ReceivedFrom("AT+CMGS=30");
  ASSERT_GE(received.size(), 8u);
  EXPECT_EQ(Lines(received.begin(), received.begin() + 8),
            (Lines{"AT+CMGS=30", "AT+CMGW=30,2",
                   "079194710700000011000C919471101122330000AA12C2349D5E06E9EBF27A79BC96D7CD6537"
                   "<SUB>",
                   "AT+CSCA?", "AT+CMGS=31",
                   "079194710700000011000C919471101122330000AA1347B9DF53060140811A68112980C0EFF50F"
                   "<SUB>",
                   "AT+CMGW=18,2", "00110000000000AA0BD2BA19D44E8FD1A0B01B<SUB>"}));

  const ProgramRun listed = Gammu(scenario, {"getallsms"});
  const std::string& out = listed.out;
  ASSERT_EQ(listed.status, 0) << out;
  EXPECT_TRUE(Has(out, "Location 1, folder \"Outbox\", SIM memory\n")) << out;
  EXPECT_TRUE(Has(out,
                  "Remote number        : \"+491701112233\"\n"
                  "Status               : UnSent\n\nBitte zurueckrufen\n"))
      << out;
  EXPECT_TRUE(Has(out, "Location 2, folder \"Inbox\", SIM memory, Inbox folder\n")) << out;
  EXPECT_TRUE(Has(out,
                  "Remote number        : \"+491701112233\"\n"
                  "Status               : Read\n\nGrüße @ £5 Ø_é ¿ok?\n"))
      << out;
  EXPECT_TRUE(Has(out,
                  "Location 3, folder \"Outbox\", SIM memory\nSMS message\n"
                  "Coding               : Default GSM alphabet (no compression)\n"
                  "Remote number        : \"\"\nStatus               : UnSent\n\nRuf mich an\n"))
      << out;
  EXPECT_TRUE(Has(out, "3 SMS parts in 3 SMS sequences")) << out;
}

TEST(SmsGammuScenario, ListShowsWhatGammuStoredAndSentOfEveryCoding) {
  Scenario scenario(Phone());
  const std::string backup = (scenario.Folder() / "eight.smsbackup").string();
  WriteFile(backup,
            "[SMSBackup000]\nSMSC = \"+491770000000\"\nPDU = Deliver\n"
            "DateTime = 20261201T123456\nState = Read\nNumber = \"+491734455667\"\n"
            "Text00 = 54FC722D436F64653A2034373131\nCoding = 8bit\nFolder = 1\n"
            "Length = 14\nClass = -1\n");
  const std::vector<Lines> runs = {
      {"savesms", "TEXT", "-folder", "2", "-text", "Hallo Welt, Grüße"},
      {"savesms", "TEXT", "-folder", "2", "-sender", "+491701112234", "-unicode", "-text",
       "Café für 5 € in Łódź"},
      {"savesms", "TEXT", "-folder", "2", "-sender", "+491701112233", "-len", "200", "-text",
       kLetters},
      {"addsms", "1", backup, "-yes"},
      {"sendsms", "TEXT", "01701112234", "-text", "Test an mich selbst"},
  };
  for (const Lines& arguments : runs) {
    const ProgramRun gammu = Gammu(scenario, arguments);
    ASSERT_EQ(gammu.status, 0) << arguments[0] << ":\n" << gammu.out;
  }
  scenario.ClearTranscript();
  const ScriptRun run = scenario.Run(R"(
click 1071
expect rowcount 1072 6
expect cell 1072 0 0 1
expect cell 1072 0 1 3
expect cell 1072 0 3 Gammu
expect cell 1072 0 5 Hallo Welt, Grüße
expect cell 1072 1 1 3
expect cell 1072 1 3 +491701112234
expect cell 1072 1 5 Café für 5 ? in ?ód?
expect cell 1072 2 0 3
expect cell 1072 2 3 +491701112233
expect cell 1072 2 5 )" + kLetters.substr(0, 153) +
                                     R"(
expect cell 1072 3 0 4
expect cell 1072 3 3 +491701112233
expect cell 1072 3 5 )" + kLetters.substr(153) +
                                     R"(
expect cell 1072 4 0 5
expect cell 1072 4 1 1
expect cell 1072 4 2 26/12/01 12:34:56
expect cell 1072 4 3 +491734455667
expect cell 1072 4 5 Tür-Code: 4711
expect cell 1072 5 0 6
expect cell 1072 5 1 0
expect cell 1072 5 3 +491701112234
expect cell 1072 5 5 Test an mich selbst
expect text 1146 6
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SMGO?"), (Lines{"AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"}));
}

TEST(SmsGammuScenario, UnicodeAndConcatenatedArrivalsListedAndADeletionSeenByGammu) {
  Scenario scenario(Phone());
  for (const Lines& arguments :
       std::vector<Lines>{{"sendsms", "TEXT", "+491701112233", "-unicode", "-text", "Grüße € Łódź"},
                          {"sendsms", "TEXT", "+491701112233", "-len", "200", "-text", kLetters}}) {
    const ProgramRun gammu = Gammu(scenario, arguments);
    ASSERT_EQ(gammu.status, 0) << gammu.out;
  }
  const ScriptRun run = scenario.Run(R"(
click 1071
expect rowcount 1072 3
expect cell 1072 0 1 0
expect cell 1072 0 3 +491701112233
expect cell 1072 0 5 Grüße ? ?ód?
expect cell 1072 1 3 +491701112233
expect cell 1072 1 5 )" + kLetters.substr(0, 153) +
                                     R"(
expect cell 1072 2 5 )" + kLetters.substr(153) +
                                     R"(
rows 1072 0
click 1073
expect rowcount 1072 2
close
click 40001
)");
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CMGD=1"), Lines{"AT+CMGD=1"});

  const ProgramRun listed = Gammu(scenario, {"getallsms"});
  const std::string& out = listed.out;
  ASSERT_EQ(listed.status, 0) << out;
  EXPECT_FALSE(Has(out, "Location 1,")) << out;
  EXPECT_TRUE(Has(out, "part 1 of 2\n\n" + kLetters.substr(0, 153) + "\n")) << out;
  EXPECT_TRUE(Has(out, "part 2 of 2\n\n" + kLetters.substr(153) + "\n")) << out;
  EXPECT_TRUE(Has(out, "2 SMS parts in 2 SMS sequences")) << out;
}

}  // namespace
}  // namespace telvane::testing
