// The service centre dialog, the SMS group window and the predefined texts window against
// the simulated phone: a UI script drives each window on the headless backend, and the
// phone's transcript shows exactly what it received.
//
// The SMS list window opens these windows (buttons 1246, 1228 and 1175); here each is
// opened directly from a host window, so the scripts below are those that run through the
// SMS list once it is there, less the click on its button.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "config/app_context.h"
#include "link/irda_provider.h"
#include "scenario.h"
#include "sms/windows/sms_windows.h"
#include "support/temp_dir.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;
using OpenWindow = std::function<void(config::AppContext&, ui::Ui&, ui::Dialog&)>;

class SmsToolsScenario : public ::testing::Test {
 protected:
  // A phone without messages, so a stored one gets index 1.
  explicit SmsToolsScenario(const std::string& settings = "")
      : scenario_(R"({"messages": []})", settings) {}

  // Runs `script` against the window `open` opens from a host window, after the link is
  // set up as start-up leaves it; the transcript then holds only the window's commands.
  ProgramRun Play(const std::string& script, const OpenWindow& open) {
    config::AppContext context(config::ProfileFile(scenario_.SettingsFile(), "Telvane"),
                               link::MakeSystemIrdaProvider(), {}, link::ExchangeTiming{});
    context.settings = config::ReadAllSettings(context.profile);
    EXPECT_TRUE(context.link.OpenSerialPort((scenario_.Folder() / "phone").string()));
    EXPECT_TRUE(context.exchange.SendCommand("ATE0"));
    scenario_.ClearTranscript();

    const ui::Resources& resources = ui::Resources::Embedded();
    ui::DialogHandler hostHandler;
    std::istringstream in(script);
    std::ostringstream out, err;
    ProgramRun run;
    run.status = ui::headless::RunScript(
        in, "test.script", out, err, resources, 9, [&](ui::headless::HeadlessUi& ui) {
          ui::headless::HeadlessDialog host(*resources.Dialog(101, 9), hostHandler, resources, 9);
          open(context, ui, host);
        });
    run.out = out.str();
    run.err = err.str();
    return run;
  }

  std::string Settings() const { return ReadFile(scenario_.SettingsFile()); }

  Scenario scenario_;
};

class PredefinedTextsScenario : public SmsToolsScenario {
 protected:
  PredefinedTextsScenario() : SmsToolsScenario("Ptxt0=hellohello\nPtxt1=second\n") {}
  ProgramRun Play(const std::string& script) {
    return SmsToolsScenario::Play(script, [this](auto& context, auto& ui, auto& host) {
      sms::RunPredefinedTexts(context, ui, host,
                              [this](const sms::StoredRow& row) { stored_.push_back(row); });
    });
  }
  std::vector<sms::StoredRow> stored_;
};

TEST_F(PredefinedTextsScenario, StoreSmsStoresTheFirstSelectedTextUnsent) {
  const ProgramRun run = Play(R"(
expect window 143
expect cell 1174 0 0 hellohello
expect cell 1174 0 1 1
expect cell 1174 49 1 50
rows 1174 0 1
click 40027
close
)");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(scenario_.Received(),
            (Lines{"AT+CMGW=17,2", "00110000000000AA0AE8329BFD4697D9EC37<SUB>"}));
  ASSERT_EQ(stored_.size(), 1u);
  EXPECT_EQ(stored_[0].index, 1);
  EXPECT_EQ(stored_[0].text, "hellohello");
}

TEST_F(PredefinedTextsScenario, EditedAndDeletedTextsAreSavedWithoutThePhone) {
  const std::string typed(170, 'a');
  const ProgramRun run = Play("rows 1174 2\nclick 40027\nedit 1174 2 " + typed +
                              "\nexpect cell 1174 2 0 " + typed.substr(0, 160) +
                              "\nrows 1174 0\nkey 1174 delete\nexpect cell 1174 0 0\n"
                              "rows 1174 1\nclick 40041\nclick 1176\nclose\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(scenario_.Received(), Lines{});  // an empty row stores nothing
  const std::string settings = Settings();
  EXPECT_NE(settings.find("Ptxt0=\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Ptxt1=\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Ptxt2=" + typed.substr(0, 160) + "\n"), std::string::npos);
  EXPECT_NE(settings.find("PCol0=250\nPCol1=30\n"), std::string::npos) << settings;
}

TEST_F(SmsToolsScenario, CentreDialogKeepsNoPrefixWithoutCentre) {
  const ProgramRun run =
      Play(R"(
expect window 153
type 1247 0171
type 1265 0043
type 1266 +436640000000
click 1
expect message 103
expect window 153
type 1248 +491710000000
click 1
)",
           [](auto& context, auto& ui, auto& host) { sms::RunCentreDialog(context, ui, host); });
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "message 103 Telvane Error: Prefix without SMS-Center can not be saved\n");
  EXPECT_EQ(scenario_.Received(), Lines{});
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
  const ProgramRun run = Play(
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
          "answer yes\nclick 40044\nexpect rowcount 1039 0\nclose\n",
      [](auto& context, auto& ui, auto& host) { sms::RunGroupWindow(context, ui, host, {}); });
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "message 76 Telvane: Overwrite existing entries?\n"
            "message 76 Telvane: Overwrite existing entries?\n");
  EXPECT_EQ(scenario_.Received(), Lines{"AT+CSCA?"});
  EXPECT_EQ(ReadFile(saved), "Zoe,+301234\nAnna, Smith,+491701234567\n");
}

}  // namespace
}  // namespace telvane::testing
