// Windows driven by scripts: buttons, nested modal dialogs, message boxes, file dialogs,
// check boxes and radio buttons, menus, up-downs, timers, drops.

#include <gtest/gtest.h>

#include <filesystem>

#include "ui/test_program.h"
#include "ui/ui.h"

namespace telvane::ui {
namespace {

using headless::HeadlessUi;
using test::LambdaHandler;
using test::PlayMain;

constexpr int kChild = 200;

// The script error of a run that failed with status 2, or why it is not one.
std::string ScriptError(const test::ScriptResult& run) {
  return run.status == 2 ? run.err : "status " + std::to_string(run.status) + ": " + run.err;
}

TEST(ScriptDialogs, ChildDisablesItsOpenerWhileItRuns) {
  bool openerEnabledInChild = true;
  bool openerEnabledAfter = false;
  std::string typed;
  const auto run = PlayMain(
      "click 1025\n"
      "expect window 200\n"
      "expect caption Child\n"
      "type 1216 Grüße\\nzwei\n"
      "click 1\n"
      "expect window 101\n"
      "expect text 1066 child said 1\n"
      "close\n",
      [&](LambdaHandler& main, HeadlessUi& ui) {
        main.command = [&](Dialog& d, int id) {
          if (id != 1025) return;
          LambdaHandler child;
          child.init = [&](Dialog&) { openerEnabledInChild = d.IsWindowEnabled(); };
          child.command = [&](Dialog& c, int childId) {
            typed = c.Text(1216);
            c.End(childId);
          };
          const int result = ui.RunModal(kChild, child, &d);
          openerEnabledAfter = d.IsWindowEnabled();
          d.SetText(1066, "child said " + std::to_string(result));
        };
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(openerEnabledInChild);
  EXPECT_TRUE(openerEnabledAfter);
  EXPECT_EQ(typed,
            "Gr\xFC\xDF"
            "e\nzwei");

  // The opener's controls cannot be reached from the child.
  LambdaHandler child;
  const auto reach = PlayMain("click 1025\nclick 1066\n", [&](LambdaHandler& main, HeadlessUi& ui) {
    main.command = [&](Dialog& d, int) { ui.RunModal(kChild, child, &d); };
  });
  EXPECT_NE(
      ScriptError(reach).find("test.ui:2: click: window 200 has no control or menu command 1066"),
      std::string::npos)
      << ScriptError(reach);
}

// The main window asks question 30 on 1025 and shows the answer in 1066.
void Asking(LambdaHandler& main, HeadlessUi& ui) {
  main.command = [&](Dialog& d, int id) {
    if (id != 1025) return;
    const int answer = ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNo, Icon::Question);
    d.SetText(1066, answer == kIdYes ? "yes" : answer == kIdNo ? "no" : "other");
  };
}

// Queued answers are taken in order; a question without one, or with an answer that is
// no button of its box, stops the run with status 2 after the box is printed.
TEST(ScriptDialogs, QuestionsTakeQueuedAnswersInOrder) {
  const auto run = PlayMain(
      "answer yes\n"
      "answer no\n"
      "click 1025\n"
      "expect text 1066 yes\n"
      "click 1025\n"
      "expect text 1066 no\n"
      "expect message 30\n",
      Asking);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "message 30 Telvane: Delete entry?\nmessage 30 Telvane: Delete entry?\n");

  const auto unanswered = PlayMain("click 1025\nexpect text 1066 yes\n", Asking);
  EXPECT_NE(ScriptError(unanswered)
                .find("test.ui:1: message 30 asks \"Delete entry?\" and no answer is queued"),
            std::string::npos)
      << ScriptError(unanswered);
  EXPECT_EQ(unanswered.out, "message 30 Telvane: Delete entry?\n") << "the box is printed before";

  const auto noButton = PlayMain("answer retry\nclick 1025\n", Asking);
  EXPECT_NE(ScriptError(noButton).find("\"retry\" of line 1 is not a button"), std::string::npos)
      << ScriptError(noButton);
}

TEST(ScriptDialogs, PlainBoxesNeedNoAnswerAndLeaveQueuedOnesAlone) {
  const auto run = PlayMain("answer no\nclick 1016\nclick 1025\nexpect text 1066 no\n",
                            [](LambdaHandler& main, HeadlessUi& ui) {
                              main.command = [&](Dialog& d, int id) {
                                if (id == 1016) {
                                  ShowError(ui, 16);
                                  ShowInfo(ui, 31);
                                  MessageRequest literal;
                                  literal.text = "Unable to activate help";
                                  ui.ShowMessage(literal);
                                  return;
                                }
                                const int answer =
                                    ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNo);
                                d.SetText(1066, answer == kIdNo ? "no" : "yes");
                              };
                            });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "message 16 Telvane Error: Can't open COM port\n"
            "message 31 Telvane: Zeile eins\\nGr\xC3\xB6\xC3\x9F"
            "e\n"
            "message 0 Telvane: Unable to activate help\n"
            "message 30 Telvane: Delete entry?\n");
}

TEST(ScriptDialogs, AnswerOnTheLineAfterTheQuestionIsTakenAhead) {
  // A question before any window runs (start-up) finds the answer that follows it.
  int answer = 0;
  const auto run = PlayMain("answer no\nclose\n", [&](LambdaHandler&, HeadlessUi& ui) {
    answer = ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNoCancel);
  });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(answer, kIdNo);
}

TEST(ScriptDialogs, FileDialogsTakeQueuedChoices) {
  FileRequest request;
  // The main window asks for a file on 40003 (a menu command) and shows the choice.
  const auto program = [&](LambdaHandler& main, HeadlessUi& ui) {
    main.command = [&](Dialog& d, int id) {
      if (id != 40003) return;
      const auto choice = ui.ChooseFile(request);
      d.SetText(1066,
                choice ? choice->path + " #" + std::to_string(choice->previewNumber) : "cancelled");
    };
  };
  request.save = true;
  request.defaultExtension = "csv";
  const auto run = PlayMain(
      "file /tmp/book\n"
      "click 40003\n"
      "expect text 1066 /tmp/book.csv #0\n"
      "file /tmp/logo.bmp 3\n"
      "click 40003\n"
      "expect text 1066 /tmp/logo.bmp #3\n"
      "file -\n"
      "click 40003\n"
      "expect text 1066 cancelled\n"
      "click 40003\n",
      program);
  // The last dialog has no file queued.
  EXPECT_NE(ScriptError(run).find("test.ui:10: a save file dialog was shown and no file is queued"),
            std::string::npos)
      << ScriptError(run);
  EXPECT_EQ(run.err.find("expect failed"), std::string::npos) << run.err;

  // An open dialog that wants an existing file refuses a missing one.
  request = FileRequest{};
  request.mustExist = true;
  const auto missing = std::filesystem::temp_directory_path() / "telvane-no-such-file.bmp";
  const auto refused = PlayMain("file " + missing.string() + "\nclick 40003\n", program);
  EXPECT_NE(ScriptError(refused).find("does not exist"), std::string::npos) << ScriptError(refused);
}

// Radio buttons of a group are exclusive, their state changed before the command arrives;
// check boxes toggle and notify only on a change.
TEST(ScriptDialogs, RadioButtonsAndCheckBoxes) {
  std::vector<std::string> seen;
  const auto run = PlayMain(
      "click 1017\n"
      "click 1019\n"
      "click 1018\n"
      "expect checked 1017 off\n"
      "expect checked 1018 on\n"
      "expect checked 1019 on\n"
      "expect checked 1020 off\n"
      "check 1020 on\n"
      "expect checked 1019 off\n"
      "click 1247\n"
      "expect checked 1247 on\n"
      "check 1247 on\n"
      "check 1247 off\n"
      "expect checked 1247 off\n",
      [&](LambdaHandler& main, HeadlessUi&) {
        main.command = [&](Dialog& d, int id) {
          seen.push_back(std::to_string(id) + (d.IsChecked(id) ? " on" : " off"));
        };
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(seen, (std::vector<std::string>{"1017 on", "1019 on", "1018 on", "1020 on", "1247 on",
                                            "1247 off"}));
}

TEST(ScriptDialogs, MenuCommandsFollowTheirEnabledState) {
  std::vector<int> commands;
  const auto program = [&](LambdaHandler& main, HeadlessUi&) {
    main.init = [](Dialog& d) { d.CheckMenuItem(40002, true); };
    main.command = [&](Dialog& d, int id) {
      commands.push_back(id);
      if (id == 40003) d.EnableMenuItem(40030, true);
    };
  };
  const auto run = PlayMain(
      "expect enabled 40030 off\n"
      "expect checked 40002 on\n"
      "click 40003\n"
      "expect enabled 40030 on\n"
      "click 40030\n",
      program);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(commands, (std::vector<int>{40003, 40030}));

  const auto grayed = PlayMain("click 40030\n", program);
  EXPECT_NE(ScriptError(grayed).find("menu command 40030 is grayed"), std::string::npos)
      << ScriptError(grayed);
}

TEST(ScriptDialogs, PopupMenuCommandsWorkOnlyWhileThePopupShows) {
  std::vector<int> commands;
  const auto program = [&](LambdaHandler& main, HeadlessUi&) {
    main.event = [](Dialog& d, const ControlEvent& e) {
      if (e.kind == EventKind::RightClicked) d.ShowPopupMenu(120);
    };
    main.command = [&](Dialog&, int id) { commands.push_back(id); };
  };
  EXPECT_EQ(PlayMain("rclick 1072\nclick 40050\n", program).status, 0);
  EXPECT_EQ(commands, std::vector<int>{40050});
  EXPECT_EQ(PlayMain("click 40050\n", program).status, 2) << "no popup showing";
  EXPECT_EQ(PlayMain("rclick 1072\nclick 40050\nclick 40050\n", program).status, 2)
      << "a choice closes the popup";
  EXPECT_EQ(PlayMain("rclick 1072\nclick 40013\n", program).status, 2) << "grayed entry";
}

TEST(ScriptDialogs, DisabledControlsAndWindowsCannotBeClicked) {
  const auto program = [](LambdaHandler& main, HeadlessUi&) {
    main.command = [](Dialog& d, int id) {
      if (id == 1016) d.EnableWindow(false);
    };
  };
  const auto disabled = PlayMain("expect enabled 1008 off\nclick 1008\n", program);
  EXPECT_NE(ScriptError(disabled).find("test.ui:2: click: control 1008 is disabled"),
            std::string::npos)
      << ScriptError(disabled);
  const auto window = PlayMain("click 1016\nclick 1025\n", program);
  EXPECT_NE(ScriptError(window).find("window 101 is disabled"), std::string::npos)
      << ScriptError(window);
}

TEST(ScriptDialogs, UpDownMovesWithinItsRangeAndUpdatesItsBuddy) {
  std::vector<int> changes;
  const auto run = PlayMain(
      "expect pos 1013 0\n"
      "updown 1013 +2\n"
      "expect pos 1013 2\n"
      "expect text 1012 2\n"
      "updown 1013 10\n"
      "expect pos 1013 5\n"
      "type 1012 3\n"
      "expect pos 1013 3\n"
      "updown 1013 -1\n"
      "expect text 1012 2\n"
      "updown 1013 -2147483648\n"
      "expect pos 1013 0\n",
      [&](LambdaHandler& main, HeadlessUi&) {
        main.init = [](Dialog& d) {
          d.SetRange(1013, 0, 5);
          d.SetPos(1013, 0);
        };
        main.event = [&](Dialog& d, const ControlEvent& e) {
          if (e.kind == EventKind::Changed && e.controlId == 1013) changes.push_back(d.Pos(1013));
        };
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(changes, (std::vector<int>{2, 5, 2, 0}));
}

TEST(ScriptDialogs, EditsRefuseWhatAPersonCouldNotType) {
  LambdaHandler child;
  const auto program = [&](LambdaHandler& main, HeadlessUi& ui) {
    main.init = [](Dialog& d) { d.SetTextLimit(1012, 3); };
    main.command = [&](Dialog& d, int) { ui.RunModal(kChild, child, &d); };
  };
  EXPECT_EQ(PlayMain("type 1012 12345\nexpect text 1012 123\n", program).status, 0)
      << "typing stops at the limit";
  EXPECT_EQ(PlayMain("type 1012 12a\n", program).status, 2) << "digits only";
  EXPECT_EQ(PlayMain("click 1025\ntype 1217 x\n", program).status, 2) << "read-only";
  EXPECT_EQ(PlayMain("type 1050 x\n", program).status, 2) << "drop-down list";
}

TEST(ScriptDialogs, TimersDropsAndCloseReachTheHandler) {
  std::vector<std::string> calls;
  int result = 0;
  const auto program = [&](HeadlessUi& ui) {
    LambdaHandler main;
    main.init = [](Dialog& d) {
      d.SetTimer(5, 1000);
      d.AcceptFiles(true);
    };
    main.timer = [&](Dialog&, int id) { calls.push_back("timer " + std::to_string(id)); };
    main.drop = [&](Dialog&, const std::vector<std::string>& paths) {
      calls.push_back("drop " + std::to_string(paths.size()) + " " + paths.back());
    };
    result = ui.RunModal(101, main, nullptr);
  };
  const auto run =
      test::Play("timer 5\ndrop 101 a.csv \"my book.vcf\"\ndrop 1072 b.vcf\nclose\n", program);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(calls, (std::vector<std::string>{"timer 5", "drop 2 my book.vcf", "drop 1 b.vcf"}));
  EXPECT_EQ(result, kIdCancel) << "the close box ends with Cancel by default";
  EXPECT_EQ(test::Play("timer 6\n", program).status, 2) << "no such timer";
}

TEST(ScriptDialogs, ShellAndHelpRequestsAreRecorded) {
  std::vector<bool> helpResults;
  const auto run =
      test::Play("click 1016\nexpect opened /tmp/TelvaneSMS.csv\nhelpfails\nclick 1016\nclose\n",
                 [&](HeadlessUi& ui) {
                   LambdaHandler main;
                   main.command = [&](Dialog&, int) {
                     ui.OpenWithShell("/tmp/TelvaneSMS.csv");
                     helpResults.push_back(ui.OpenHelp("telvane.html"));
                   };
                   ui.RunModal(101, main, nullptr);
                   EXPECT_EQ(ui.HelpRequests().size(), 2u);
                 });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(helpResults, (std::vector<bool>{true, false}));
}

TEST(ScriptDialogs, CalendarsAndTimePickersTakeValidValues) {
  Date date;
  Time time;
  const auto program = [&](LambdaHandler& main, HeadlessUi&) {
    main.event = [&](Dialog& d, const ControlEvent& e) {
      if (e.controlId == 1049) date = d.GetDate(1049);
      if (e.controlId == 1048) time = d.GetTime(1048);
    };
  };
  EXPECT_EQ(PlayMain("date 1049 2024-02-29\ntime 1048 23:59\n", program).status, 0);
  EXPECT_EQ(date, (Date{2024, 2, 29}));
  EXPECT_EQ(time, (Time{23, 59, 0}));
  for (const char* script :
       {"date 1049 2023-02-29\n", "time 1048 24:00\n", "date 1049 2024-2-9\n"}) {
    EXPECT_EQ(PlayMain(script, program).status, 2) << script;
  }
}

}  // namespace
}  // namespace telvane::ui
