// Exit statuses of a script run and how the run unwinds.

#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/test_program.h"

namespace telvane::ui {
namespace {

using headless::HeadlessUi;
using test::LambdaHandler;
using test::Play;

// A main window whose 1025 writes "pressed" into 1066 and whose OK ends it.
void SimpleProgram(HeadlessUi& ui) {
  LambdaHandler main;
  main.command = [](Dialog& d, int id) {
    if (id == 1025) d.SetText(1066, "pressed");
    if (id == kIdOk) d.End(kIdOk);
  };
  ui.RunModal(101, main, nullptr);
}

TEST(ScriptRunner, FailedExpectGivesStatus1AndTheScriptGoesOn) {
  const auto run = Play(
      "# comments and blank lines count for line numbers\n"
      "\n"
      "expect text 1066 wrong\n"
      "click 1025\n"
      "expect text 1066 pressed\n"
      "expect checked 1247 on\n"
      "click 1\n",
      SimpleProgram);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "expect failed: line 3: text 1066: expected \"wrong\", got \"\"\n"
            "expect failed: line 6: checked 1247: expected on, got off\n");
}

TEST(ScriptRunner, RunningOutWhileAWindowIsOpenUnwindsTheProgram) {
  bool returned = false;
  bool destroyed = false;
  struct Guard {
    bool& flag;
    ~Guard() { flag = true; }
  };
  const auto program = [&](HeadlessUi& ui) {
    Guard guard{destroyed};
    SimpleProgram(ui);
    returned = true;
  };
  const auto run = Play("click 1025\nexpect text 1066 pressed\n", program);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(returned) << "the program does not go on as if the user had closed the window";
  EXPECT_TRUE(destroyed) << "the stack unwinds";

  EXPECT_EQ(Play("expect text 1066 x\n", program).status, 1) << "the expects still count";
  EXPECT_EQ(Play("", program).status, 0);
}

TEST(ScriptRunner, ScriptErrorsAreStatus2EvenAfterAFailedExpect) {
  const auto nested = [](HeadlessUi& ui) {
    LambdaHandler handler;
    handler.init = [&](Dialog& d) { ui.RunModal(200, handler, &d); };
    ui.RunModal(200, handler, nullptr);
  };
  const auto noTemplate = [](HeadlessUi& ui) {
    LambdaHandler handler;
    ui.RunModal(4711, handler, nullptr);
  };
  struct Case {
    const char* script;
    std::function<void(HeadlessUi&)> program;
    const char* message;
  };
  for (const Case& c :
       {Case{"expect text 1066 wrong\nclick 4711\n", SimpleProgram,
             "script error: test.ui:2: click: window 101 has no control or menu command 4711"},
        Case{"click 1\nclick 1025\n", SimpleProgram, "test.ui:2: the program ended before line 2"},
        Case{"close\n", noTemplate, "window 4711, which has no template"},
        Case{"close\n", nested, "nested too deeply"}}) {
    const auto run = Play(c.script, c.program);
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_EQ(Play("\xEF\xBB\xBF"
                 "click 1\r\n# only comments follow\r\n\n",
                 SimpleProgram)
                .status,
            0)
      << "a byte order mark and CR LF line ends are fine";
}

TEST(ScriptRunner, ScriptStopPassesWindowCodeThatCatchesStdException) {
  bool caught = false;
  const auto run = Play("click 1025\n", [&](HeadlessUi& ui) {
    LambdaHandler main;
    main.command = [&](Dialog&, int) {
      try {
        ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNo);
      } catch (const std::exception&) {
        caught = true;
      }
    };
    ui.RunModal(101, main, nullptr);
  });
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(caught);
}

TEST(ScriptRunner, MalformedScriptsStopBeforeTheProgramRuns) {
  struct Case {
    const char* script;
    const char* message;
  };
  for (const Case& c : {Case{"clack 1\n", "test.ui:1: unknown verb \"clack\""},
                        Case{"click 1\nexpect colour 1 red\n", "test.ui:2: unknown check"},
                        Case{"expect\n", "expect needs a check"},
                        Case{"drop 101 \"open\n", "unterminated quote"}}) {
    bool ran = false;
    const auto run = Play(c.script, [&](HeadlessUi&) { ran = true; });
    EXPECT_EQ(run.status, 2) << c.script;
    EXPECT_FALSE(ran) << c.script;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

TEST(ScriptRunner, BadArgumentsAreScriptErrors) {
  for (const char* script : {"click\n",
                             "click 1 2\n",
                             "click x\n",
                             "check 1247 maybe\n",
                             "updown 1013 1x\n",
                             "key 1072 home\n",
                             "answer perhaps\n",
                             "file\n",
                             "file - 3\n",
                             "file a.bmp x\n",
                             "expect rowcount 1072\n",
                             "expect checked 4711 on\n",
                             "expect text 4711 x\n",
                             "dump 4711\n",
                             "close now\n",
                             "timer\n",
                             "drop 4711 a\n",
                             "drop 101 a\n",
                             "select 1050 99999999999\n",
                             "helpfails 1\n"}) {
    EXPECT_EQ(Play(script, SimpleProgram).status, 2) << script;
  }
}

TEST(ScriptRunner, ExpectsAboutTheWindowAndItsControls) {
  const auto run = Play(
      "expect window 101\n"
      "expect caption Telvane S45/ME45 V1.000\n"
      "expect bitmap 1104 131\n"
      "expect pos 1059 40\n"
      "expect visible 1016 off\n"
      "expect enabled 1016 on\n"
      "expect message 16\n"
      "expect window 200\n",
      [](HeadlessUi& ui) {
        LambdaHandler main;
        main.init = [](Dialog& d) {
          d.SetBitmap(1104, 131);
          d.SetPos(1059, 40);
          d.Show(1016, false);
        };
        ui.RunModal(101, main, nullptr);
      });
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "expect failed: line 7: message: expected 16, got no message\n"
            "expect failed: line 8: window: expected 200, got 101\n");
}

}  // namespace
}  // namespace telvane::ui
