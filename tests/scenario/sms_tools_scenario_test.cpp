// The service centre dialog, the SMS group window and the predefined texts window against
// the simulated phone, each opened from the SMS list window (buttons 1246, 1228, 1175)
// that the main window opens; the phone's transcript after the list's reading shows
// exactly what each window sent.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scenario.h"
#include "sms_scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

class SmsToolsScenario : public ::testing::Test {
 protected:
  // A phone without messages, so a stored one gets index 1.
  explicit SmsToolsScenario(const std::string& settings = "", const std::string& faults = "[]")
      : scenario_(R"({"messages": [], "faults": )" + faults + "}", settings) {}

  // Runs `script` in the window that `button` of the SMS list opens.
  ScriptRun Play(int button, const std::string& script) {
    return scenario_.Run(kOpenSmsList + "click " + std::to_string(button) + "\n" + script);
  }

  std::string Settings() const { return ReadFile(scenario_.SettingsFile()); }

  Scenario scenario_;
};

class PredefinedTextsScenario : public SmsToolsScenario {
 protected:
  PredefinedTextsScenario() : SmsToolsScenario("Ptxt0=hellohello\nPtxt1=second\n") {}
};

TEST_F(PredefinedTextsScenario, StoreSmsStoresTheFirstSelectedTextUnsentIntoTheList) {
  const ScriptRun run = Play(1175, R"(
expect window 143
expect cell 1174 0 0 hellohello
expect cell 1174 0 1 1
expect cell 1174 49 1 50
rows 1174 0 1
click 40027
close
expect window 120
expect rowcount 1072 1
expect cell 1072 0 0 1
expect cell 1072 0 3 
expect cell 1072 0 5 hellohello
expect text 1146 1
)");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(AfterListReading(scenario_),
            (Lines{"AT+CMGW=17,2", "00110000000000AA0AE8329BFD4697D9EC37<SUB>"}));
}

TEST_F(PredefinedTextsScenario, EditedAndDeletedTextsAreSavedWithoutThePhone) {
  const std::string typed(170, 'a');
  const ScriptRun run = Play(1175, "rows 1174 2\nclick 40027\nedit 1174 2 " + typed +
                                       "\nexpect cell 1174 2 0 " + typed.substr(0, 160) +
                                       "\nrows 1174 0\nkey 1174 delete\nexpect cell 1174 0 0\n"
                                       "rows 1174 1\nclick 40041\nclick 1176\nclose\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(AfterListReading(scenario_), Lines{});  // an empty row stores nothing
  const std::string settings = Settings();
  EXPECT_NE(settings.find("Ptxt0=\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Ptxt1=\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Ptxt2=" + typed.substr(0, 160) + "\n"), std::string::npos);
  EXPECT_NE(settings.find("PCol0=250\nPCol1=30\n"), std::string::npos) << settings;
}

TEST_F(SmsToolsScenario, CentreDialogKeepsNoPrefixWithoutCentre) {
  const ScriptRun run = Play(1246, R"(
expect window 153
type 1247 0171
type 1265 0043
type 1266 +436640000000
click 1
expect message 103
expect window 153
type 1248 +491710000000
click 1
expect window 120
)");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "message 103 Telvane Error: Prefix without SMS-Center can not be saved\n");
  EXPECT_EQ(AfterListReading(scenario_), Lines{});
  const std::string settings = Settings();
  EXPECT_NE(settings.find("Prefix0=0171\nCenter0=+491710000000\nPrefix1=\n"), std::string::npos)
      << settings;
  EXPECT_NE(settings.find("Prefix9=0043\nCenter9=+436640000000\n"), std::string::npos) << settings;
}

TEST_F(SmsToolsScenario, GroupWindowBuildsSavesAndLoadsGroups) {
  const std::filesystem::path folder = scenario_.SettingsFile().parent_path();
  WriteFile(folder / "Telvane.phb", "[SIM]\n1,Zoe,+301234\n2,Anna, Smith,+491701234567\n");
  const std::filesystem::path saved = scenario_.Folder() / "group.srp";
  const std::filesystem::path other = scenario_.Folder() / "other.srp";
  WriteFile(other, "Carl,0401\r\nno comma\n");
  const ScriptRun run = Play(1228,
                             "expect window 148\n"
                             "expect cell 1225 0 0 Anna, Smith\n"
                             "header 1225 1\nexpect cell 1225 0 0 Zoe\n"
                             "rows 1225 0 1\nclick 1226\nrows 1225 1\nclick 1226\n"
                             "expect rowcount 1039 2\n"
                             "file " +
                                 saved.string() +
                                 "\nclick 40042\n"
                                 "file " +
                                 other.string() +
                                 "\nclick 40043\n"
                                 "expect rowcount 1039 1\nexpect cell 1039 0 1 0401\n"
                                 "rows 1225 0\nclick 1226\n"
                                 "file " +
                                 other.string() +
                                 "\nanswer no\nclick 40043\n"
                                 "expect rowcount 1039 2\n"
                                 "rows 1039 0\nkey 1039 delete\nexpect cell 1039 0 0 Zoe\n"
                                 "answer yes\nclick 40044\nexpect rowcount 1039 0\nclose\n"
                                 "expect window 120\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "message 76 Telvane: Overwrite existing entries?\n"
            "message 76 Telvane: Overwrite existing entries?\n");
  EXPECT_EQ(AfterListReading(scenario_), Lines{"AT+CSCA?"});
  EXPECT_EQ(ReadFile(saved), "Zoe,+301234\nAnna, Smith,+491701234567\n");
}

class GroupSendScenario : public SmsToolsScenario {
 protected:
  // The second member's send is refused once.
  GroupSendScenario()
      : SmsToolsScenario("", R"([{"kind": "error", "command": "AT+CMGS=21", "count": 1}])") {}
};

// A member whose send fails is stored when the user says so, and the list shows it.
TEST_F(GroupSendScenario, LoadedGroupIsSentToEachMemberInOrder) {
  const std::filesystem::path group = scenario_.Folder() / "two.srp";
  WriteFile(group, "Anna,+491701234567\nBob,0301234\n");
  const ScriptRun run = Play(1228, "file " + group.string() + R"(
click 40043
expect cell 1039 1 0 Bob
click 40045
expect window 107
expect enabled 1045 off
expect enabled 1046 off
type 1044 hellohello
answer cancel
answer yes
click 1
expect window 148
close
expect rowcount 1072 1
expect cell 1072 0 0 1
expect cell 1072 0 3 0301234
expect cell 1072 0 5 hellohello
)");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(
      AfterListReading(scenario_),
      (Lines{"AT+CSCA?", "AT+CMGS=23",
             "079194710700000011000C919471103254760000AA0AE8329BFD4697D9EC37<SUB>", "AT+CMGS=21",
             "AT+CMGW=21,2", "079194710700000011000781301032F40000AA0AE8329BFD4697D9EC37<SUB>"}));
}

}  // namespace
}  // namespace telvane::testing
