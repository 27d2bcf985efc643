// SMS flows through the program from the main window's "SMS-List" button against the
// simulated phone: the demo phone's messages of every kind, replying with a refused send
// stored, a message to the own number with its status report, and a full memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "scenario.h"
#include "sms_scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// Demo messages 1 (from +491701234567, read) and 2 (stored sent to it).
const std::string kMessages = R"("messages": [
    {"index": 1, "status": 1, "pdu": "0791947107000000040C919471103254760000621172810354002BC8309BFD0629C36E1668FD6EB7E77410B90E4297EBF43228282EBBC9207DBD0D2ACEE765F70F"},
    {"index": 2, "status": 3, "pdu": "0011000C919471103254760000AA17CA300B742ECBDD651748989E83EA6D50788CA68700"}])";

// The phone's centre +491770000000, first octet 11, reference 00, to +491701234567.
const std::string kToAnna = "079194710700000011000C919471103254760000AA";

TEST(SmsFlowsScenario, DemoPhoneListShowsEveryKindOfMessage) {
  Scenario scenario;
  WriteFile(scenario.SettingsFile().parent_path() / "Telvane.phb",
            "[SIM]\n1,Anna,+491701234567\n2,Oma,0301234567\n");
  const ScriptRun run = scenario.Run(kOpenSmsList + R"(
expect text 1146 15
expect text 1147 25
expect text 1204 Space available
dump 1072
click 1196
expect rowcount 1072 15
)");
  EXPECT_EQ(run.status, 0) << run.err;
  // UCS2 characters beyond ISO 8859-1 read "?"; each part of a concatenated message is a
  // row of its own without the header; a status report shows its discharge time.
  EXPECT_EQ(
      run.out,
      R"(control 1072 ListView text="" enabled=on visible=on tooltip=12 style=0x20 focused=14 rows=15
  column 0 "#" width=25
  column 1 "Type" width=35
  column 2 "Date" width=120
  column 3 "Sender" width=100
  column 4 "Name" width=100
  column 5 "Text" width=350
  row 0 data=1: "2" | "3" | "" | "+491701234567" | "Anna" | "Ja, gerne. Bis um acht!"
  row 1 data=0: "1" | "1" | "26/11/27 18:30:45" | "+491701234567" | "Anna" | "Hallo Jan, kommst du heute Abend zum Essen?"
  row 2 data=14: "15" | "0" | "26/11/27 18:32:10" | "+491701234567" | "Anna" | "26/11/27 18:32:14"
  row 3 data=6: "7" | "1" | "26/11/28 11:04:33" | "+491734455667" | "" | "Neuer Tür-Code: 4711. Schlüssel liegt unter der Matte. Grüße, Lena"
  row 4 data=7: "8" | "1" | "26/11/29 20:47:19" | "+491629876543" | "" | "Grüße aus ?ód?! Das Essen kostet hier nur 20 z? ? unglaublich. Sören"
  row 5 data=10: "11" | "1" | "26/11/30 10:12:40" | "+33612345678" | "" | "Bonjour Jan ! Merci pour ton cadeau, il m?a fait très plaisir. Le g"
  row 6 data=11: "12" | "1" | "26/11/30 10:12:43" | "+33612345678" | "" | "âteau était délicieux. On se voit à Noël ? Bises, Amélie ?"
  row 7 data=12: "13" | "1" | "26/12/01 08:00:17" | "Nordnetz" | "" | "Ihr Guthaben beträgt 12,50 EUR. Aufladen unter *101#. Ihr Nordnetz-Team"
  row 8 data=2: "3" | "1" | "26/12/02 09:15:42" | "+4915112345678" | "" | "Paket liegt an der Packstation 117."
  row 9 data=5: "6" | "0" | "26/12/03 19:22:08" | "+491523456789" | "" | "Grüße aus München! Das Weißbier ist süß, die Brezn größer. Äpfel, Öl und Übermut. Jürgen"
  row 10 data=8: "9" | "1" | "26/12/04 16:58:02" | "+491702345678" | "" | "Hallo Jan! Kurzes Update zum Wochenende: Wir treffen uns am Samstag um 10 Uhr am Bahnhof, Gleis 4. Bitte bring die Wanderschuhe und etwas zu trinken mit."
  row 11 data=9: "10" | "1" | "26/12/04 16:58:06" | "+491702345678" | "" | " Das Wetter soll gut werden, 18 Grad und Sonne. Abends grillen wir bei Tom. Sag Bescheid, ob du kommst! Anna"
  row 12 data=3: "4" | "0" | "26/12/05 14:07:15" | "+491709876543" | "" | "Denk an den Termin morgen um 9."
  row 13 data=13: "14" | "1" | "26/12/05 17:33:51" | "0301234567" | "Oma" | "Kommt ihr am Sonntag zum Kaffee? Ich backe Apfelkuchen. Gruß, Oma"
  row 14 data=4 selected focused: "5" | "0" | "26/12/06 07:45:10" | "+491701234567" | "Anna" | "Zug hat Verspaetung, bin 20 Min spaeter da."
)");
  // Start-up sends none of these; opening and Refresh send them and nothing else.
  Lines expected = kListReading;
  expected.insert(expected.end(), kListReading.begin(), kListReading.end());
  EXPECT_EQ(scenario.ReceivedFrom("AT^SMGO?"), expected);
}

TEST(SmsFlowsScenario, ReplyIsSentAndARefusedOneStoredIntoTheList) {
  Scenario scenario("{" + kMessages +
                    R"(, "faults": [{"kind": "error", "command": "AT+CMGS=19", "count": 2}]})");
  const ScriptRun run = scenario.Run(kOpenSmsList + R"(
expect cell 1072 1 0 1
rows 1072 1
rclick 1072
click 40015
expect window 122
expect text 1078 +491701234567
type 1077 hellohello
click 1
expect window 120
rclick 1072
click 40015
type 1077 hello
answer retry
answer cancel
answer yes
click 1
expect window 120
expect text 1146 3
expect rowcount 1072 3
expect cell 1072 2 0 3
expect cell 1072 2 3 +491701234567
expect cell 1072 2 5 hello
click 1196
expect cell 1072 1 0 3
expect cell 1072 1 1 2
expect cell 1072 1 5 hello
)");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 75 Telvane Error: Save unsend message?\n");
  EXPECT_EQ(AfterListReading(scenario),
            (Lines{"AT+CSCA?", "AT+CMGS=23", kToAnna + "0AE8329BFD4697D9EC37<SUB>", "AT+CSCA?",
                   "AT+CMGS=19", "AT+CMGS=19", "AT+CMGW=19,2", kToAnna + "05E8329BFD06<SUB>",
                   "AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"}));
}

// The phone stores status reports (SMSstat): a message to the own number with a report
// requested comes back, followed by its report, both received unread with the phone's
// clock as time stamp.
TEST(SmsFlowsScenario, MessageToTheOwnNumberArrivesWithItsStatusReport) {
  Scenario scenario("", "SMSstat=1\n");
  const ScriptRun run = scenario.Run(kOpenSmsList + R"(
rclick 1072
click 40015
type 1078 +491701112233
type 1077 To myself
click 1133
click 1
expect window 120
click 1196
expect rowcount 1072 17
expect text 1146 17
dump 1072
)");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string time = R"("26/12/06 \d\d:\d\d:\d\d")";
  const std::regex arrived(R"([\s\S]*\n  row 15 data=15: "16" \| "0" \| )" + time +
                           R"( \| "\+491701112233" \| "" \| "To myself"\n  row 16 data=16 )" +
                           R"(selected focused: "17" \| "0" \| )" + time +
                           R"( \| "\+491701112233" \| "" \| )" + time + "\n");
  EXPECT_TRUE(std::regex_match(run.out, arrived)) << run.out;
  const Lines received = scenario.Received();
  EXPECT_NE(std::find(received.begin(), received.end(), "AT+CNMI=1,0,0,2"), received.end());
  EXPECT_EQ(AfterListReading(scenario),
            (Lines{"AT+CSCA?", "AT+CMGS=22",
                   "079194710700000031000C919471101122330000AA09D437A89D9F97D966<SUB>", "AT^SMGO?",
                   "AT+CMGL=4", "AT+CPMS?"}));
}

// Storing into a full memory fails; a message to the own number waits in the network
// until a deletion frees a place.
TEST(SmsFlowsScenario, FullMemoryStoresNothingAndAWaitingMessageComesInAfterADeletion) {
  Scenario scenario(R"({"messageCapacity": 2, )" + kMessages + R"(,
    "phonebooks": {"ON": [{"position": 1, "number": "+491701112233"}]},
    "faults": [{"kind": "error", "command": "AT+CMGS", "count": 1}]})",
                    "Ptxt0=hellohello\n");
  const ScriptRun run = scenario.Run(kOpenSmsList + R"(
expect text 1204 Buffer full
click 1175
rows 1174 0
click 40027
expect message 61
close
rclick 1072
click 40015
type 1077 hellohello
answer cancel
answer yes
click 1
expect message 61
expect rowcount 1072 2
expect text 1146 2
rclick 1072
click 40015
type 1078 01701112233
type 1077 Waiting
click 1
click 1196
expect text 1204 Buffer full msg. waiting
expect rowcount 1072 2
rows 1072 0
click 1073
click 1196
expect text 1204 Buffer full
expect cell 1072 1 0 2
expect cell 1072 1 1 0
expect cell 1072 1 3 +491701112233
expect cell 1072 1 5 Waiting
)");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "message 61 Telvane Error: Message could not be stored\n"
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 75 Telvane Error: Save unsend message?\n"
            "message 61 Telvane Error: Message could not be stored\n");
  EXPECT_EQ(
      AfterListReading(scenario),
      (Lines{"AT+CMGW=17,2", "AT+CSCA?", "AT+CMGS=23", "AT+CMGW=23,2", "AT+CSCA?", "AT+CMGS=21",
             "079194710700000011000B811007112132F30000AA07D7709A9E769F01<SUB>", "AT^SMGO?",
             "AT+CMGL=4", "AT+CPMS?", "AT+CMGD=2", "AT^SMGO?", "AT+CMGL=4", "AT+CPMS?"}));
}

}  // namespace
}  // namespace telvane::testing
