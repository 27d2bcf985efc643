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
using test::Play;

constexpr int kMain = 101;
constexpr int kChild = 200;

TEST(ScriptDialogs, ChildDisablesItsOpenerWhileItRuns) {
  bool openerEnabledInChild = true;
  bool openerEnabledAfter = false;
  std::string typed;
  const auto run = Play(
      "click 1025\n"
      "expect window 200\n"
      "expect caption Child\n"
      "type 1216 Grüße\\nzwei\n"
      "click 1\n"
      "expect window 101\n"
      "expect text 1066 child said 1\n"
      "close\n",
      [&](HeadlessUi& ui) {
        LambdaHandler main;
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
        ui.RunModal(kMain, main, nullptr);
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(openerEnabledInChild);
  EXPECT_TRUE(openerEnabledAfter);
  EXPECT_EQ(typed,
            "Gr\xFC\xDF"
            "e\nzwei");
}

TEST(ScriptDialogs, ControlsOfTheOpenerCannotBeReachedFromTheChild) {
  const auto run = Play("click 1025\nclick 1066\n", [](HeadlessUi& ui) {
    LambdaHandler main;
    LambdaHandler child;
    main.command = [&](Dialog& d, int) { ui.RunModal(kChild, child, &d); };
    ui.RunModal(kMain, main, nullptr);
  });
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("test.ui:2: click: window 200 has no control or menu command 1066"),
            std::string::npos)
      << run.err;
}

// The main window asks question 30 on 1025 and shows the answer in 1066.
void AskingProgram(HeadlessUi& ui) {
  LambdaHandler main;
  main.command = [&](Dialog& d, int id) {
    if (id != 1025) return;
    const int answer = ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNo, Icon::Question);
    d.SetText(1066, answer == kIdYes ? "yes" : answer == kIdNo ? "no" : "other");
  };
  ui.RunModal(kMain, main, nullptr);
}

// Queued answers are taken in order; a question without one, or with an answer that is
// no button of its box, stops the run with status 2 after the box is printed.
TEST(ScriptDialogs, QuestionsTakeQueuedAnswersInOrder) {
  const auto run = Play(
      "answer yes\n"
      "answer no\n"
      "click 1025\n"
      "expect text 1066 yes\n"
      "click 1025\n"
      "expect text 1066 no\n"
      "expect message 30\n",
      AskingProgram);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "message 30 Telvane: Delete entry?\nmessage 30 Telvane: Delete entry?\n");

  const auto unanswered = Play("click 1025\nexpect text 1066 yes\n", AskingProgram);
  EXPECT_EQ(unanswered.status, 2);
  EXPECT_NE(unanswered.err.find("test.ui:1: message 30 asks \"Delete entry?\" and no answer is queued"),
            std::string::npos)
      << unanswered.err;
  EXPECT_EQ(unanswered.out, "message 30 Telvane: Delete entry?\n") << "the box is printed before";

  const auto noButton = Play("answer retry\nclick 1025\n", AskingProgram);
  EXPECT_EQ(noButton.status, 2);
  EXPECT_NE(noButton.err.find("\"retry\" of line 1 is not a button"), std::string::npos) << noButton.err;
}

TEST(ScriptDialogs, PlainBoxesNeedNoAnswerAndLeaveQueuedOnesAlone) {
  const auto run =
      Play("answer no\nclick 1016\nclick 1025\nexpect text 1066 no\n", [](HeadlessUi& ui) {
        LambdaHandler main;
        main.command = [&](Dialog& d, int id) {
          if (id == 1016) {
            ShowError(ui, 16);
            ShowInfo(ui, 31);
            MessageRequest literal;
            literal.text = "Unable to activate help";
            ui.ShowMessage(literal);
            return;
          }
          const int answer = ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNo);
          d.SetText(1066, answer == kIdNo ? "no" : "yes");
        };
        ui.RunModal(kMain, main, nullptr);
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
  const auto run = Play("answer no\nclose\n", [&](HeadlessUi& ui) {
    answer = ShowStringMessage(ui, 30, Caption::Telvane, Buttons::YesNoCancel);
    LambdaHandler main;
    ui.RunModal(kMain, main, nullptr);
  });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(answer, kIdNo);
}

// The main window asks for a file on 40003 (a menu command) and shows the choice.
void FileProgram(HeadlessUi& ui, FileRequest request) {
  LambdaHandler main;
  main.command = [&](Dialog& d, int id) {
    if (id != 40003) return;
    const auto choice = ui.ChooseFile(request);
    d.SetText(1066,
              choice ? choice->path + " #" + std::to_string(choice->previewNumber) : "cancelled");
  };
  ui.RunModal(kMain, main, nullptr);
}

TEST(ScriptDialogs, FileDialogsTakeQueuedChoices) {
  FileRequest save;
  save.save = true;
  save.defaultExtension = "csv";
  const auto run = Play(
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
      [&](HeadlessUi& ui) { FileProgram(ui, save); });
  EXPECT_EQ(run.status, 2) << "the last dialog has no file queued";
  EXPECT_NE(run.err.find("test.ui:10: a save file dialog was shown and no file is queued"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("expect failed"), std::string::npos) << run.err;

  // An open dialog that wants an existing file refuses a missing one.
  FileRequest open;
  open.mustExist = true;
  const auto missing = (std::filesystem::temp_directory_path() / "telvane-no-such-file.bmp");
  const auto refused = Play("file " + missing.string() + "\nclick 40003\n",
                            [&](HeadlessUi& ui) { FileProgram(ui, open); });
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("does not exist"), std::string::npos) << refused.err;
}

// Radio buttons of a group are exclusive, their state changed before the command arrives;
// check boxes toggle and notify only on a change.
TEST(ScriptDialogs, RadioButtonsAndCheckBoxes) {
  std::vector<std::string> seen;
  const auto run = Play(
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
      [&](HeadlessUi& ui) {
        LambdaHandler main;
        main.command = [&](Dialog& d, int id) {
          seen.push_back(std::to_string(id) + (d.IsChecked(id) ? " on" : " off"));
        };
        ui.RunModal(kMain, main, nullptr);
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(seen, (std::vector<std::string>{"1017 on", "1019 on", "1018 on", "1020 on", "1247 on",
                                            "1247 off"}));
}

TEST(ScriptDialogs, MenuCommandsFollowTheirEnabledState) {
  std::vector<int> commands;
  const auto program = [&](HeadlessUi& ui) {
    LambdaHandler main;
    main.init = [](Dialog& d) { d.CheckMenuItem(40002, true); };
    main.command = [&](Dialog& d, int id) {
      commands.push_back(id);
      if (id == 40003) d.EnableMenuItem(40030, true);
    };
    ui.RunModal(kMain, main, nullptr);
  };
  const auto run = Play(
      "expect enabled 40030 off\n"
      "expect checked 40002 on\n"
      "click 40003\n"
      "expect enabled 40030 on\n"
      "click 40030\n",
      program);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(commands, (std::vector<int>{40003, 40030}));

  const auto grayed = Play("click 40030\n", program);
  EXPECT_EQ(grayed.status, 2);
  EXPECT_NE(grayed.err.find("menu command 40030 is grayed"), std::string::npos) << grayed.err;
}

TEST(ScriptDialogs, PopupMenuCommandsWorkOnlyWhileThePopupShows) {
  std::vector<int> commands;
  const auto program = [&](HeadlessUi& ui) {
    LambdaHandler main;
    main.event = [](Dialog& d, const ControlEvent& e) {
      if (e.kind == EventKind::RightClicked) d.ShowPopupMenu(120);
    };
    main.command = [&](Dialog&, int id) { commands.push_back(id); };
    ui.RunModal(kMain, main, nullptr);
  };
  EXPECT_EQ(Play("rclick 1072\nclick 40050\n", program).status, 0);
  EXPECT_EQ(commands, std::vector<int>{40050});
  EXPECT_EQ(Play("click 40050\n", program).status, 2) << "no popup showing";
  EXPECT_EQ(Play("rclick 1072\nclick 40050\nclick 40050\n", program).status, 2)
      << "a choice closes the popup";
  EXPECT_EQ(Play("rclick 1072\nclick 40013\n", program).status, 2) << "grayed entry";
}

TEST(ScriptDialogs, DisabledControlsAndWindowsCannotBeClicked) {
  const auto program = [](HeadlessUi& ui) {
    LambdaHandler main;
    main.command = [](Dialog& d, int id) {
      if (id == 1016) d.EnableWindow(false);
    };
    ui.RunModal(kMain, main, nullptr);
  };
  const auto disabled = Play("expect enabled 1008 off\nclick 1008\n", program);
  EXPECT_EQ(disabled.status, 2);
  EXPECT_NE(disabled.err.find("test.ui:2: click: control 1008 is disabled"), std::string::npos)
      << disabled.err;
  const auto window = Play("click 1016\nclick 1025\n", program);
  EXPECT_EQ(window.status, 2);
  EXPECT_NE(window.err.find("window 101 is disabled"), std::string::npos) << window.err;
}

TEST(ScriptDialogs, UpDownMovesWithinItsRangeAndUpdatesItsBuddy) {
  std::vector<int> changes;
  const auto run = Play(
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
      [&](HeadlessUi& ui) {
        LambdaHandler main;
        main.init = [](Dialog& d) {
          d.SetRange(1013, 0, 5);
          d.SetPos(1013, 0);
        };
        main.event = [&](Dialog& d, const ControlEvent& e) {
          if (e.kind == EventKind::Changed && e.controlId == 1013) changes.push_back(d.Pos(1013));
        };
        ui.RunModal(kMain, main, nullptr);
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(changes, (std::vector<int>{2, 5, 2, 0}));
}

TEST(ScriptDialogs, EditsRefuseWhatAPersonCouldNotType) {
  const auto program = [](HeadlessUi& ui) {
    LambdaHandler main;
    LambdaHandler child;
    main.init = [](Dialog& d) { d.SetTextLimit(1012, 3); };
    main.command = [&](Dialog& d, int) { ui.RunModal(kChild, child, &d); };
    ui.RunModal(kMain, main, nullptr);
  };
  EXPECT_EQ(Play("type 1012 12345\nexpect text 1012 123\n", program).status, 0)
      << "typing stops at the limit";
  EXPECT_EQ(Play("type 1012 12a\n", program).status, 2) << "digits only";
  EXPECT_EQ(Play("click 1025\ntype 1217 x\n", program).status, 2) << "read-only";
  EXPECT_EQ(Play("type 1050 x\n", program).status, 2) << "drop-down list";
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
    result = ui.RunModal(kMain, main, nullptr);
  };
  const auto run =
      Play("timer 5\ndrop 101 a.csv \"my book.vcf\"\ndrop 1072 b.vcf\nclose\n", program);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(calls, (std::vector<std::string>{"timer 5", "drop 2 my book.vcf", "drop 1 b.vcf"}));
  EXPECT_EQ(result, kIdCancel) << "the close box ends with Cancel by default";
  EXPECT_EQ(Play("timer 6\n", program).status, 2) << "no such timer";
}

TEST(ScriptDialogs, ShellAndHelpRequestsAreRecorded) {
  std::vector<bool> helpResults;
  const auto run = Play(
      "click 1016\n"
      "expect opened /tmp/TelvaneSMS.csv\n"
      "helpfails\n"
      "click 1016\n"
      "close\n",
      [&](HeadlessUi& ui) {
        LambdaHandler main;
        main.command = [&](Dialog&, int) {
          ui.OpenWithShell("/tmp/TelvaneSMS.csv");
          helpResults.push_back(ui.OpenHelp("telvane.html"));
        };
        ui.RunModal(kMain, main, nullptr);
        EXPECT_EQ(ui.HelpRequests().size(), 2u);
      });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(helpResults, (std::vector<bool>{true, false}));
}

TEST(ScriptDialogs, CalendarsAndTimePickersTakeValidValues) {
  Date date;
  Time time;
  const auto program = [&](HeadlessUi& ui) {
    LambdaHandler main;
    main.event = [&](Dialog& d, const ControlEvent& e) {
      if (e.controlId == 1049) date = d.GetDate(1049);
      if (e.controlId == 1048) time = d.GetTime(1048);
    };
    ui.RunModal(kMain, main, nullptr);
  };
  EXPECT_EQ(Play("date 1049 2024-02-29\ntime 1048 23:59\n", program).status, 0);
  EXPECT_EQ(date, (Date{2024, 2, 29}));
  EXPECT_EQ(time, (Time{23, 59, 0}));
  EXPECT_EQ(Play("date 1049 2023-02-29\n", program).status, 2);
  EXPECT_EQ(Play("time 1048 24:00\n", program).status, 2);
  EXPECT_EQ(Play("date 1049 2024-2-9\n", program).status, 2);
}

}  // namespace
}  // namespace telvane::ui
