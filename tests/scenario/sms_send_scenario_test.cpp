// Sending SMS from the phone book window against the simulated phone: the send dialog's
// counters and options, centre routing, a refused send stored unsent, the shortcut, the
// multicast to selected rows and a recipient that would break the command line. Every
// PDU is written out by hand (checked against gammu's encoder where it has the option).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

// Address book cards for Anna and Bob (Bob in the Redbook), the further cards given, and
// the given faults.
std::string Phone(const std::string& faults = "[]", const std::string& moreCards = "") {
  return R"({"objects": {"vcf": [
      {"index": 1, "text": "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Anna\r\nTEL;HOME:+491701234567\r\nEND:VCARD\r\n"},
      {"index": 2, "text": "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Bob\r\nTEL;HOME:0301234\r\nCATEGORIES:VIP\r\nEND:VCARD\r\n"})" +
         moreCards + R"(]}, "faults": )" + faults + "}";
}

// The phone book opens, its list sorted by name: row 0 Anna, row 1 Bob (then the others).
const std::string kOpenBook = "click 1025\nexpect window 105\n";

// What the phone receives after the phone book's opening (which ends with AT+CSCA? and
// the selection of the address book).
Lines AfterOpening(const Scenario& scenario) {
  Lines from = scenario.ReceivedFrom("AT+CSCA?");
  if (!from.empty()) from.erase(from.begin());
  if (!from.empty() && from.front() == "AT^SPBS=ME") from.erase(from.begin());
  return from;
}

// The phone's centre +491770000000, first octet 11, reference 00.
const std::string kCentre = "0791947107000000";
const std::string kAnna = "0C91947110325476";  // +491701234567
const std::string kBob = "0781301032F4";       // 0301234
const std::string kHelloHello = "0AE8329BFD4697D9EC37";

TEST(SmsSendScenario, SendDialogCountsAndShapesEachMessage) {
  Scenario scenario(Phone(), "ReadB=1\n");
  const std::string a160(160, 'a');
  const ScriptRun run = scenario.Run(kOpenBook + R"(
rows 1026 0
rclick 1026
click 40004
expect window 107
expect text 1045 Anna
expect text 1046 +491701234567
expect pos 1141 4
expect text 1142 4
type 1044 hellohello
expect text 1138 10
expect text 1139 150
expect text 1140 1
click 1
expect window 105
rclick 1026
click 40004
type 1044 )" + a160 + R"(b
expect text 1138 161
expect text 1139 159
expect text 1140 2
click 1
rclick 1026
click 40004
click 1137
click 1203
click 1229
updown 1141 -3
expect text 1142 1
type 1044 hi
expect text 1139 138
click 1
expect window 105
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  std::string septets;
  for (int i = 0; i < 20; ++i) septets += "E170381C0E87C3";  // eight "a" each
  EXPECT_EQ(AfterOpening(scenario),
            (Lines{"AT+CMGS=23", kCentre + "1100" + kAnna + "0000AA" + kHelloHello + "<SUB>",
                   "AT+CMGS=154", kCentre + "1100" + kAnna + "0000AAA0" + septets + "<SUB>",
                   "AT+CMGS=15", kCentre + "1101" + kAnna + "0000AA0162<SUB>",
                   // status report, 8-bit flash, one day
                   "AT+CMGS=16", kCentre + "3100" + kAnna + "00F4A7026869<SUB>"}));
}

TEST(SmsSendScenario, RoutedCentreRefusedSendIsStoredAndAnUnwritableCentreSendsNothing) {
  Scenario scenario(Phone(R"([{"kind": "error", "command": "AT+CMGS", "count": 2}])"),
                    "ReadB=1\nPrefix3=49170\nCenter3=+4930555\nPrefix5=0301\nCenter5=+49 30\n");
  const ScriptRun run = scenario.Run(kOpenBook + R"(
rows 1026 0
rclick 1026
click 40004
type 1044 hellohello
answer retry
answer cancel
answer yes
click 1
expect window 105
rows 1026 1
rclick 1026
click 40004
type 1044 hellohello
click 1
expect message 34
expect window 105
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out,
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 34 Telvane Error: Message(s) could not be send\n"
            "message 75 Telvane Error: Save unsend message?\n"
            "message 34 Telvane Error: Message(s) could not be send\n");
  // Pair 4 (Prefix3) routes Anna through +4930555; Bob's centre "+49 30" cannot be written.
  EXPECT_EQ(AfterOpening(scenario),
            (Lines{"AT+CMGS=23", "AT+CMGS=23", "AT+CMGW=23,2",
                   "0591940355F51100" + kAnna + "0000AA" + kHelloHello + "<SUB>"}));
}

TEST(SmsSendScenario, ShortcutMulticastRedbookAndBrokenRecipients) {
  // Bea's number cannot be written as an address: the multicast says so and goes on.
  Scenario scenario(Phone("[]", R"(,
      {"index": 3, "text": "BEGIN:VCARD\r\nVERSION:2.1\r\nN:Bea\r\nTEL;HOME:030/1234\r\nEND:VCARD\r\n"})"),
                    "ReadB=1\nPtxt2=Predefined three\n");
  const ScriptRun run = scenario.Run(kOpenBook + R"(
rows 1026 0
rclick 1026
click 40004
type 1044 Hi #3#
expect text 1044 Hi Predefined three
expect text 1138 19
type 1046 0170"\r\nATD0900
click 1
expect message 29
expect window 107
click 2
expect window 105
rows 1031 0
rclick 1031
click 40038
expect window 107
expect text 1045 Bob!
expect text 1046 0301234
click 2
expect cell 1026 1 1 Bea
rows 1026 0 1 2
rclick 1026
click 40022
expect window 107
expect enabled 1045 off
expect enabled 1046 off
type 1044 hellohello
click 1
expect window 105
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out,
            "message 29 Telvane Error: Please enter a telephone number\n"
            "message 29 Telvane Error: Please enter a telephone number\n");
  EXPECT_EQ(AfterOpening(scenario),
            (Lines{"AT+CMGS=23", kCentre + "1100" + kAnna + "0000AA" + kHelloHello + "<SUB>",
                   "AT+CMGS=21", kCentre + "1100" + kBob + "0000AA" + kHelloHello + "<SUB>"}));
}

}  // namespace
}  // namespace telvane::testing
