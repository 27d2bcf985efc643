// Command mode started by "-c": polls against the simulated phone, the module's replies sent
// back, handled messages deleted, the protocol file written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const fs::path kModules = TELVANE_TEST_MODULES;

// Received from +491711234567: "hello" (unread) and "keep" (read); a stored unsent message.
constexpr const char* kPhone = R"({
  "serviceCentre": "+491770000000",
  "messages": [
    {"index": 1, "status": 0, "pdu": "07919471000000F0040C9194711132547600001030902150504005E8329BFD06"},
    {"index": 2, "status": 2, "pdu": "0011000A8110031032547600AA05C8309BFD06"},
    {"index": 3, "status": 1, "pdu": "07919471000000F0040C9194711132547600001030902150504004EB72190E"}
  ]})";

// "ok: hello" to +491711234567 through +491770000000, 7-bit, valid for 4 days.
constexpr const char* kReplyPdu = "079194710700000011000C919471113254760000AA09EFB50E842EB3D96F";

constexpr const char* kSettings = "CheckSMS=1\nMonProt=1\nWaitSec=7\n";

fs::path SettingsFolder(const Scenario& scenario) { return scenario.SettingsFile().parent_path(); }

void UseModule(const Scenario& scenario, const std::string& name) {
  fs::copy_file(kModules / name / "smscom.so", SettingsFolder(scenario) / "smscom.so");
}

std::string Log(const Scenario& scenario) {
  return ReadFile(SettingsFolder(scenario) / "Telvane.log");
}

const std::string kLogTime = R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d)";

TEST(CommandModeScenario, RepliesDeletesHandledMessagesAndKeepsTheOthers) {
  Scenario scenario(kPhone, kSettings);
  UseModule(scenario, "scripted_smscom");
  WriteFile(SettingsFolder(scenario) / "Telvane.phb", "[SIM]\n1,Ben,01711234567\n");
  const ScriptRun run = scenario.Run(R"(
expect window 150
expect text 1249 7
expect checked 1195 on
expect checked 1241 on
expect text 1248 Waiting
timer 100
expect text 1248 Waiting
expect text 1242 handled keep
timer 100
click 1246
close
click 40001
)",
                                     {"-c"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;

  const Lines expected = {"AT+CSCA?",  "AT+CMGL=4", "AT+CMGS=22", std::string(kReplyPdu) + "<SUB>",
                          "AT+CMGD=1", "AT+CMGL=4"};
  EXPECT_EQ(scenario.ReceivedFrom("AT+CSCA?"), expected);

  // Message line with the name from the external book, then the result line, for both
  // received messages; "keep" is handed over again at the second poll.
  const std::string log = Log(scenario);
  const std::string& time = kLogTime;
  const std::regex expectedLog(
      time + R"(;\+491711234567;Ben;01/03/09 12:05:05;hello\n)" + time +
      R"(;0;\+491711234567;ok: hello\n)" + time +
      R"(;\+491711234567;Ben;01/03/09 12:05:05;keep\n)" + time + R"(;7;;keep\n)" + time +
      R"(;\+491711234567;Ben;01/03/09 12:05:05;keep\n)" + time + R"(;7;;keep\n)");
  EXPECT_TRUE(std::regex_match(log, expectedLog)) << log;

  const std::string settings = ReadFile(scenario.SettingsFile());
  EXPECT_NE(settings.find("WaitSec=7"), std::string::npos) << settings;
}

TEST(CommandModeScenario, ARequestWhoseReplyFailedIsKeptAndNotHandedOverAgain) {
  const std::string phone =
      std::string(kPhone).substr(0, std::string(kPhone).rfind('}')) +
      R"(, "faults": [{"kind": "error", "command": "AT+CMGS", "count": -1}]})";
  Scenario scenario(phone, kSettings);
  UseModule(scenario, "scripted_smscom");
  const ScriptRun run =
      scenario.Run("timer 100\ntimer 100\nclick 1246\nclose\nclick 40001\n", {"-c"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // No AT+CMGD; at the second poll only "keep" goes to the module.
  const Lines received = scenario.ReceivedFrom("AT+CMGL=4");
  EXPECT_EQ(std::count(received.begin(), received.end(), "AT+CMGL=4"), 2);
  for (const std::string& line : received) EXPECT_FALSE(line.starts_with("AT+CMGD")) << line;
  const std::string& time = kLogTime;
  const std::string keep =
      time + R"(;\+491711234567;01/03/09 12:05:05;keep\n)" + time + R"(;7;;keep\n)";
  const std::regex expectedLog(time + R"(;\+491711234567;01/03/09 12:05:05;hello\n)" + time +
                               R"(;reply failed;\+491711234567;ok: hello\n)" + keep + keep);
  EXPECT_TRUE(std::regex_match(Log(scenario), expectedLog)) << Log(scenario);
}

TEST(CommandModeScenario, WithoutCheckingTheModuleIsAskedAloneAndAFailedListIsLogged) {
  std::string phone = kPhone;
  phone.insert(phone.rfind('}'),
               R"(, "faults": [{"kind": "error", "command": "AT+CMGL", "count": 1}])");
  Scenario scenario(phone, kSettings);
  // The sample module beside the program answers an empty request with its status only.
  const ScriptRun run = scenario.Run(R"(
check 1241 off
updown 1247 -9
expect text 1249 2
timer 100
expect text 1242 Waiting for commands
check 1241 on
timer 100
close
click 40001
)",
                                     {"-c"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  // The failed listing (the first AT+CMGL=4 meets an armed fault) is only logged.
  EXPECT_EQ(scenario.ReceivedFrom("AT+CSCA?"), (Lines{"AT+CSCA?", "AT+CMGL=4"}));
  EXPECT_TRUE(std::regex_match(
      Log(scenario), std::regex(kLogTime + ";1;;\n" + kLogTime + " Can't read SMS list\n")))
      << Log(scenario);
  const std::string settings = ReadFile(scenario.SettingsFile());
  EXPECT_NE(settings.find("WaitSec=2"), std::string::npos);
  EXPECT_NE(settings.find("CheckSMS=1"), std::string::npos);
}

TEST(CommandModeScenario, AModuleWithoutItsFunctionClosesTheWindow) {
  Scenario scenario(kPhone, kSettings);
  UseModule(scenario, "no_function");
  const ScriptRun run = scenario.Run("expect window 101\nclick 40001\n", {"-c"});
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("message 97 Telvane Error: Can't find communication function"),
            std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace telvane::testing
