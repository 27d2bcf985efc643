// Given a phone, doing this in the main window, the phone receives these commands and
// the window shows this.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_opening.h"
#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

const Lines& kOpening = kMainWindowOpeningCommands;

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::string PhoneWith(int charge, int rssi, int tone) {
  return R"({"status": {"battery": {"status": 0, "charge": )" + std::to_string(charge) +
         R"(}, "signal": {"rssi": )" + std::to_string(rssi) + R"(, "ber": 99}},
            "audio": {"tone": )" +
         std::to_string(tone) + "}}";
}

TEST(MainWindowScenario, OpeningSendsTheSetUpAndShowsIdentityAndStatus) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(kMainWindowOpeningScript);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.Received(), Concat({"ATZ", "ATE0"}, kOpening));
}

TEST(MainWindowScenario, StatusReportsAreResetByTheCloseBoxButNotByExit) {
  Scenario scenario("", "SMSstat=1\n");
  ASSERT_EQ(scenario.Run("click 40001\n").status, 0);
  Lines received = scenario.Received();
  EXPECT_EQ(received.at(5), "AT+CNMI=1,0,0,2");
  EXPECT_EQ(received.back(), "AT+CVIB?");

  scenario.ClearTranscript();
  ASSERT_EQ(scenario.Run("close\n").status, 0);
  EXPECT_EQ(scenario.Received().back(), "AT+CNMI=1,0,0,0");
}

TEST(MainWindowScenario, NoModemSendsNothingBeforeTheWindowAndDisablesItsFunctions) {
  Scenario scenario("", "NoModem=1\n");
  const ScriptRun run = scenario.Run(R"(
expect enabled 1041 off
expect enabled 1036 off
expect enabled 1076 off
expect enabled 1037 off
expect enabled 1063 off
expect enabled 1016 off
expect enabled 40030 off
expect enabled 40032 off
expect enabled 1194 on
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.Received(), kOpening);
}

TEST(MainWindowScenario, SwitchesReportEachResultAndUntickOnFailure) {
  Scenario scenario(R"({"faults": [{"kind": "error", "command": "AT+CVIB=1", "count": 1}]})");
  const ScriptRun run = scenario.Run(R"(
check 1245 on
expect message 100
expect checked 1245 off
check 1245 on
expect message 99
expect checked 1245 on
check 1234 on
expect message 85
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("message 100 Telvane Error: Can't activate vibrator mode"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(scenario.ReceivedFrom("AT+CVIB=1"),
            (Lines{"AT+CVIB=1", "AT+CVIB=1", "AT^SNFV=0", "AT^SNFS=1", "AT^SNFV=2"}));
}

TEST(MainWindowScenario, ToneTestPlaysAndStops) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
expect pos 1015 12
expect pos 1013 3
updown 1015 2
click 1016
expect text 1016 Stop
click 1016
expect text 1016 Test
check 1247 on
expect message 83
check 1247 off
expect message 81
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(scenario.ReceivedFrom("AT^SRTC=14,3"),
            (Lines{"AT^SRTC=14,3", "AT^SRTC", "AT^SRTC", "AT^SRTC=0", "AT^SRTC=14"}));
}

TEST(MainWindowScenario, MobileInfoSavedTwiceGivesFourLines) {
  Scenario scenario;
  const std::string file = (scenario.Folder() / "TelvaneINF.csv").string();
  const ScriptRun run = scenario.Run("file " + file + "\nclick 40047\nexpect opened " + file +
                                     "\nfile " + file + "\nclick 40047\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(ReadFile(file),
            "SERIAL,VERSION,SIMSERIAL\n'350123451234567,'21,'89490200001234567892\n"
            "SERIAL,VERSION,SIMSERIAL\n'350123451234567,'21,'89490200001234567892\n");
}

// A phone at 75% with its tone off; the bitmap thresholds themselves are PhoneStatus's.
TEST(MainWindowScenario, ToneOffClockSwitchOffAndRefresh) {
  Scenario scenario(PhoneWith(75, 17, 0));
  const ScriptRun run = scenario.Run(
      "expect text 1004 75%\nexpect bitmap 1104 130\nexpect checked 1247 on\n"
      "click 1194\nclick 1063\nexpect message 69\nclick 1008\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const Lines tail = scenario.ReceivedFrom("AT+CVIB?");
  ASSERT_EQ(tail.size(), 9u);
  EXPECT_EQ(tail[1], "AT+CBC");  // the refresh
  EXPECT_EQ(tail[6], "AT^SMGL=0");
  EXPECT_EQ(tail[7].rfind("AT+CCLK=\"", 0), 0u) << tail[7];
  EXPECT_EQ(tail[8], "AT^SMSO");
  EXPECT_NE(run.out.find("message 70 Telvane: Bye"), std::string::npos) << run.out;
}

TEST(StartupScenario, OptionsOnFirstStartWriteEveryKeyAndResetAsksAgain) {
  Scenario scenario;
  WriteFile(scenario.SettingsFile(),
            "[Telvane]\nDevice1=" + (scenario.Folder() / "phone").string() + "\n");
  const ScriptRun run = scenario.Run(R"(
expect window 103
expect checked 1017 on
click 2
expect window 103
click 1018
check 1101 on
type 1216 +4912345678
click 1
expect window 101
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string ini = ReadFile(scenario.SettingsFile());
  for (const char* line : {"Port=1", "ReadB=0", "SwapD=1", "GSMconv=0", "IntPrefix=0", "Rem0=0",
                           "NoModem=0", "W2KCable=0", "SMSstat=0", "TPref=+49123456"}) {
    EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
  }
  // "-r" asks again although the file names a port; the dialog starts from COM1.
  const ScriptRun again = scenario.Run(
      "expect window 103\nexpect checked 1017 on\nclick 2\nexpect window 103\nclick 1018\nclick 1\n"
      "expect window 101\nclick 40001\n",
      {"-r"});
  EXPECT_EQ(again.status, 0) << again.out << again.err;
}

TEST(StartupScenario, MissingDeviceIsSaidAndTheWindowStillOpens) {
  Scenario scenario("", "Device0=/nonexistent/ttyUSB9\n");
  WriteFile(scenario.SettingsFile(), "[Telvane]\nPort=0\nDevice0=/nonexistent/ttyUSB9\n");
  const ScriptRun run =
      scenario.Run("expect message 721\nexpect window 101\nexpect text 1066 \nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("message 721 Telvane Error: Can't open COM port: the serial device does "
                         "not exist."),
            std::string::npos);
  EXPECT_TRUE(scenario.Received().empty());
}

}  // namespace
}  // namespace telvane::testing
