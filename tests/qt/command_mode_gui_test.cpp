// Command mode on the Qt backend: started by "-c" before the main window, it polls the
// simulated phone on its own timer, hands the messages to the sample module beside the
// program and sends its answers, until its close box brings up the main window.
#include <algorithm>
#include <string>
#include <vector>

#include "program_gui.h"

namespace telvane::testing {
namespace {

class CommandModeGuiTest : public ProgramGuiTest {};

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(CommandModeGuiTest, PollsOnItsTimerAndAnswersThroughTheSampleModule) {
  Serve(sim::DemoPhone());
  WriteFile(config_ / "telvane" / "Telvane.ini",
            ReadFile(config_ / "telvane" / "Telvane.ini") + "WaitSec=2\nCheckSMS=1\n");
  QWidget* commandWindow = nullptr;
  QString activity;
  bool mainWindowAfter = false;
  Stepper stepper([&](QWidget* top) {
    if (commandWindow == nullptr) {
      if (LabelText(top, 1248).isEmpty()) return false;
      commandWindow = top;
      activity = LabelText(top, 1248);
      return false;
    }
    if (top == commandWindow) {
      // Polled once the phone has been asked for its messages and a reply went out.
      const std::vector<std::string> lines = phone_->Transcript();
      if (Holds(lines, "> AT+CMGL=4") &&
          std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.starts_with("> AT+CMGS=");
          })) {
        top->close();
      }
      return false;
    }
    if (IsReadyMainWindow(top)) {
      mainWindowAfter = true;
      top->close();
      return true;
    }
    return false;
  });
  app::RunProgram(ui_, {"-c"});
  EXPECT_EQ(activity, "Waiting");
  EXPECT_TRUE(mainWindowAfter);
  const std::string settings = ReadFile(config_ / "telvane" / "Telvane.ini");
  EXPECT_NE(settings.find("WaitSec=2"), std::string::npos) << settings;
}

}  // namespace
}  // namespace telvane::testing
