// Answers as real phones give them: unsolicited codes inside an answer and blanks after
// commas leave every field and every command as with the plain answers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_opening.h"
#include "scenario.h"

namespace telvane::testing {
namespace {

using Lines = std::vector<std::string>;

std::string FaultOnEveryCommand(const std::string& kind, const std::string& command = "") {
  return R"({"faults": [{"kind": ")" + kind + R"(", "command": ")" + command +
         R"(", "count": -1}]})";
}

TEST(RealPhoneScenario, MainWindowFieldsStayTheSameWithRingOrBlanksInEveryAnswer) {
  Lines commands{"ATZ", "ATE0"};
  commands.insert(commands.end(), kMainWindowOpeningCommands.begin(),
                  kMainWindowOpeningCommands.end());
  for (const char* kind : {"ringBeforeResult", "messageBeforeResult", "blanksAfterCommas"}) {
    Scenario scenario(FaultOnEveryCommand(kind));
    const ScriptRun run = scenario.Run(kMainWindowOpeningScript);
    EXPECT_EQ(run.status, 0) << kind << "\n" << run.out << run.err;
    EXPECT_EQ(scenario.Received(), commands) << kind;
  }
}

TEST(RealPhoneScenario, NewMessageCodesInsideABookReadChangeNothing) {
  const std::string books =
      R"("phonebooks": {"SM": [{"position": 1, "number": "0301", "name": "Anna"},
                               {"position": 2, "number": "+4930222", "name": "Bob"}]})";
  const std::string script = R"(
click 1025
select 1106 0
expect rowcount 1026 2
expect cell 1026 0 1 Anna
expect cell 1026 0 2 0301
expect cell 1026 1 1 Bob
expect cell 1026 1 2 +4930222
)";
  Scenario plain("{" + books + "}", "ReadB=1\n");
  ASSERT_EQ(plain.Run(script).status, 0);
  for (const char* kind : {"messageBeforeResult", "blanksAfterCommas"}) {
    Scenario scenario(R"({"faults": [{"kind": ")" + std::string(kind) +
                          R"(", "command": "AT+CPBR", "count": -1}], )" + books + "}",
                      "ReadB=1\n");
    const ScriptRun run = scenario.Run(script);
    EXPECT_EQ(run.status, 0) << kind << "\n" << run.out << run.err;
    EXPECT_EQ(scenario.Received(), plain.Received()) << kind;
  }
}

}  // namespace
}  // namespace telvane::testing
