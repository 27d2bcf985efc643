// The net monitor against the simulated phone: the refresh's commands in order, the values
// it shows, the calls in progress, the period's limits, the logs written as the phone moves
// along a route, and a phone without network.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "gammu_run.h"
#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

const Lines kIdleRefresh = {"AT+COPS?", "AT+COPS=3,2", "AT+COPS?", "AT+COPS=3,0",
                            "AT+CREG?", "AT+CSQ",      "AT+CPAS"};
const Lines kStatusAfterClosing = {"AT+CBC", "AT+CREG=2", "AT+CREG?",
                                   "AT+CSQ", "AT+COPS?",  "AT^SMGL=0"};

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// What the phone received from the monitor's first command to the end.
Lines MonitorCommands(const Scenario& scenario) {
  Lines received = scenario.Received();
  const auto first = std::find(received.begin(), received.end(), "AT+COPS=3,2");
  if (first == received.end() || first == received.begin()) return {};
  return Lines(first - 1, received.end());
}

std::string Log(const Scenario& scenario, const char* name) {
  return ReadFile(scenario.SettingsFile().parent_path() / name);
}

TEST(NetworkScenario, IdleRefreshShowsTheNetworkAndRefreshesTheMainWindowAfterClosing) {
  Scenario scenario;
  const ScriptRun run = scenario.Run(R"(
click 1190
expect window 145
expect text 1182 Nordnetz
expect text 1193 26201
expect text 1178 A1B2
expect text 1179 41394
expect text 1180 0F3C
expect text 1181 3900
expect text 1186 Logged in
expect text 1185 -79 dBm / 0.013 nW
expect bitmap 1184 134
expect text 1199 Ready
expect text 1188 2
expect rowcount 1200 0
expect checked 1195 off
close
expect window 101
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(MonitorCommands(scenario), Concat(kIdleRefresh, kStatusAfterClosing));
  EXPECT_FALSE(std::filesystem::exists(scenario.SettingsFile().parent_path() / "Telvane.log"));
}

TEST(NetworkScenario, TwoCallsGiveTwoRowsWithTheHeldOneNamed) {
  Scenario scenario(R"({"calls": {"current": [
    {"id": 1, "direction": 0, "state": 1, "mode": 0, "number": "+491701234567", "type": 145},
    {"id": 3, "direction": 1, "state": 0, "mode": 0, "number": "0301234"}]}})",
                    "MonRef=75\nMCol3=120\n");
  const ScriptRun run = scenario.Run(R"(
click 1190
expect text 1199 Active call
expect rowcount 1200 2
expect cell 1200 0 0 1
expect cell 1200 0 1 <
expect cell 1200 0 2 Held
expect cell 1200 0 3 +491701234567
expect cell 1200 0 4 Voice
expect cell 1200 1 0 3
expect cell 1200 1 1 >
expect cell 1200 1 2 Active
expect pos 1189 60
updown 1189 +1
expect pos 1189 60
updown 1189 -70
expect pos 1189 2
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(MonitorCommands(scenario),
            Concat(Concat(kIdleRefresh, {"AT+CLCC"}), kStatusAfterClosing));
  const std::string settings = ReadFile(scenario.SettingsFile());
  EXPECT_NE(settings.find("MonRef=2\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("MCol3=120\n"), std::string::npos) << settings;
}

// Three points passed one per refresh; the third repeats the second's cell.
constexpr const char* kRoute = R"({"status": {"route": {"advance": "afterCpas", "points": [
  {"code": "26201", "name": "Nordnetz", "registration": 1, "lac": "0D2F", "ci": "1A2B", "rssi": 17},
  {"code": "26202", "name": "Sued, Netz", "registration": 5, "lac": "FFFF", "ci": "0000", "rssi": 31},
  {"code": "26202", "name": "Sued, Netz", "registration": 5, "lac": "FFFF", "ci": "0000", "rssi": 0}]}}})";

TEST(NetworkScenario, MovingRouteWritesALinePerChangeAndARowPerRefresh) {
  Scenario scenario(kRoute, "MonProt=1\n");
  WriteFile(scenario.SettingsFile().parent_path() / "Telvane.log", "old line\n");
  const ScriptRun run = scenario.Run(R"(
click 1190
expect checked 1195 on
timer 100
expect text 1193 26202
expect text 1180 FFFF
expect text 1178 0000
expect text 1186 Roaming
timer 100
expect text 1185 -113 dBm / 0.000 nW
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  const std::string log = Log(scenario, "Telvane.log");
  const std::regex lines(
      "old line\n"
      R"(\d{4}/\d\d/\d\d,\d\d:\d\d:\d\d,'1A2B,'0D2F,26201,-79 dBm,Logged in\n)"
      R"(\d{4}/\d\d/\d\d,\d\d:\d\d:\d\d,'0000,'FFFF,26202,-51 dBm,Roaming\n)");
  EXPECT_TRUE(std::regex_match(log, lines)) << log;
  const std::string csv = Log(scenario, "TelvaneNet.csv");
  const std::regex rows(
      "time_utc,network,operator,lac,cell,state,level_dbm,activity\n"
      R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ,26201,Nordnetz,3375,6699,1,-79,0\n)"
      R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ,26202,"Sued, Netz",65535,0,5,-51,0\n)"
      R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ,26202,"Sued, Netz",65535,0,5,-113,0\n)");
  EXPECT_TRUE(std::regex_match(csv, rows)) << csv;
}

TEST(NetworkScenario, NoNetworkClearsOperatorAndCodeAndLogsEmptyFields) {
  Scenario scenario(
      R"({"status": {"registration": {"state": 0}, "signal": {"rssi": 99, "ber": 99}}})",
      "MonProt=1\n");
  const ScriptRun run = scenario.Run(R"(
click 1190
expect text 1182
expect text 1193
expect text 1186 Not logged in, not seeking
expect text 1185 no measurement
expect bitmap 1184 0
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(MonitorCommands(scenario), Concat(kIdleRefresh, kStatusAfterClosing));
  const std::string log = Log(scenario, "Telvane.log");
  const std::regex lines(
      "date,time,cellid,lai,net,level,state\n"
      R"(\d{4}/\d\d/\d\d,\d\d:\d\d:\d\d,,,,,"Not logged in, not seeking"\n)");
  EXPECT_TRUE(std::regex_match(log, lines)) << log;
}

TEST(NetworkGammuScenario, GammuReadsTheRouteAndPutsThePhoneBackOnAutomaticSelection) {
  Scenario scenario(R"({"status": {"operator": {"mode": 1}, "route": {"advance": "time",
    "points": [{"seconds": 600, "code": "26202", "name": "Suednetz", "registration": 5,
                "lac": "0D2F", "ci": "1A2B", "rssi": 20}]}}})");
  const ProgramRun info = Gammu(scenario, {"networkinfo"});
  EXPECT_EQ(info.status, 0) << info.out;
  for (const char* line : {"Network state        : roaming network", "LAC 0D2F, CID 1A2B",
                           "Name in phone        : \"Suednetz\""}) {
    EXPECT_NE(info.out.find(line), std::string::npos) << line << "\n" << info.out;
  }
  EXPECT_NE(info.out.find("262 02"), std::string::npos) << info.out;

  // Manually on a foreign network, roaming; the home network is the one the demo's IMSI
  // (262010123456789) begins with.
  Scenario manual(R"({"status": {"operator": {"mode": 1, "name": "Suednetz", "code": "26202"},
                                "registration": {"state": 5}},
    "operators": {"found": [{"state": 1, "name": "Nordnetz", "code": "26201"},
                            {"state": 2, "name": "Suednetz", "code": "26202"}]}})");
  const ProgramRun automatic = Gammu(manual, {"setautonetworklogin"});
  EXPECT_EQ(automatic.status, 0) << automatic.out;
  const ScriptRun run = manual.Run(R"(
expect text 1068 0,0,"Nordnetz"
click 1190
expect text 1186 Logged in
close
click 40001
)");
  EXPECT_EQ(run.status, 0) << run.out << run.err;
}

TEST(NetworkGammuScenario, GammuGetsTheNetworksUssdAnswer) {
  Scenario scenario;
  const ProgramRun ussd = Gammu(scenario, {"getussd", "*100#"});
  EXPECT_EQ(ussd.status, 0) << ussd.out;
  EXPECT_NE(ussd.out.find("Service reply        : \"Ihr Guthaben betraegt 12,50 EUR.\""),
            std::string::npos)
      << ussd.out;
}

}  // namespace
}  // namespace telvane::testing
