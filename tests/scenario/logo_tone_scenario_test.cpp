// The logo and ring tone commands of the main window against the simulated phone.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "scenario.h"
#include "support/temp_dir.h"

namespace telvane::testing {
namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(LogoToneScenario, ButtonsAreEnabledAndSendingToneTwiceRaisesTheRangeOnce) {
  Scenario scenario(R"({"audio": {"toneRange": [1, 41]}})");
  const auto tone = scenario.Folder() / "tone.mid";
  WriteFile(tone, std::string(150, 'M'));
  const ScriptRun run = scenario.Run(
      "expect enabled 1036 on\nexpect enabled 1037 on\nexpect enabled 40030 on\n"
      "file " + tone.string() + " 2\nclick 1037\ndump 1015\n"
      "file " + tone.string() + " 2\nclick 1037\ndump 1015\n"
      "file -\nclick 1036\nclick 1076\nclick 40001\n");
  EXPECT_EQ(run.status, 0) << run.output << run.errors;
  EXPECT_NE(run.output.find("range=1..42"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("range=1..43"), std::string::npos) << run.output;
  const auto sent = scenario.ReceivedFrom("AT^SBNW=\"mid\",1,0");
  ASSERT_GE(sent.size(), 2u);
  EXPECT_EQ(sent[1], "AT^SBNW=\"mid\",1,1,2");
  EXPECT_TRUE(Has(sent, "AT^SBNW=bmp,0,0"));
  EXPECT_FALSE(Has(sent, "AT^SBNW=\"bmp\",0,0"));  // the cancelled logo dialog sent nothing
}

}  // namespace
}  // namespace telvane::testing
