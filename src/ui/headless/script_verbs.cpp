// The verbs of a UI script that act on the top window, and its control dump.

#include <cstdio>
#include <string>
#include <vector>

#include "ui/headless/control_dump.h"
#include "ui/headless/headless_dialog.h"
#include "ui/headless/headless_ui.h"
#include "ui/headless/script_arguments.h"
#include "ui/headless/script_session.h"

namespace telvane::ui::headless {
namespace {

Key ParseKey(std::string_view word) {
  if (word == "delete") return Key::Delete;
  if (word == "f3") return Key::F3;
  if (word == "escape") return Key::Escape;
  if (word == "enter") return Key::Enter;
  throw ScriptError("unknown key \"" + std::string(word) + "\" (delete, f3, escape, enter)");
}

Date ParseDate(const std::string& word) {
  Date date;
  char end = 0;
  if (word.size() != 10 ||
      std::sscanf(word.c_str(), "%4d-%2d-%2d%c", &date.year, &date.month, &date.day, &end) != 3) {
    throw ScriptError("expected a date YYYY-MM-DD, found \"" + word + "\"");
  }
  return date;
}

Time ParseTime(const std::string& word) {
  Time time;
  char end = 0;
  const int fields =
      std::sscanf(word.c_str(), "%2d:%2d:%2d%c", &time.hour, &time.minute, &time.second, &end);
  if ((word.size() != 5 || fields != 2) && (word.size() != 8 || fields != 3)) {
    throw ScriptError("expected a time HH:MM or HH:MM:SS, found \"" + word + "\"");
  }
  return time;
}

}  // namespace

void ScriptSession::PlayAction(HeadlessUi&, HeadlessDialog& dialog, const ScriptLine& line) {
  const std::string& verb = line.words[0];
  const Arguments args(line);
  if (verb != "click") dialog.DismissPopupMenu();
  if (verb == "click") {
    args.RequireCount(1, 1, "click ID");
    dialog.Click(args.Int(0));
  } else if (verb == "check") {
    args.RequireCount(2, 2, "check ID on|off");
    dialog.SetCheck(args.Int(0), args.OnOff(1));
  } else if (verb == "type") {
    args.RequireCount(1, SIZE_MAX, "type ID TEXT");
    dialog.TypeText(args.Int(0), args.TextAfter(1));
  } else if (verb == "select") {
    args.RequireCount(2, 2, "select ID INDEX");
    dialog.SelectItem(args.Int(0), args.Int(1));
  } else if (verb == "rows") {
    args.RequireCount(2, SIZE_MAX, "rows ID I [J ...]");
    std::vector<int> rows;
    for (std::size_t i = 1; i < args.Count(); ++i) rows.push_back(args.Int(i));
    dialog.SelectRows(args.Int(0), rows);
  } else if (verb == "dblclick") {
    args.RequireCount(2, 2, "dblclick ID ROW");
    dialog.DoubleClick(args.Int(0), args.Int(1));
  } else if (verb == "key") {
    args.RequireCount(2, 2, "key ID delete|f3|escape|enter");
    dialog.PressKey(args.Int(0), ParseKey(args.Word(1)));
  } else if (verb == "header") {
    args.RequireCount(2, 2, "header ID COL");
    dialog.ClickHeader(args.Int(0), args.Int(1));
  } else if (verb == "edit") {
    args.RequireCount(2, SIZE_MAX, "edit ID ROW TEXT");
    dialog.EditCell(args.Int(0), args.Int(1), args.TextAfter(2));
  } else if (verb == "rclick") {
    args.RequireCount(1, 1, "rclick ID");
    dialog.RightClick(args.Int(0));
  } else if (verb == "updown") {
    args.RequireCount(2, 2, "updown ID DELTA");
    dialog.MoveUpDown(args.Int(0), args.Int(1));
  } else if (verb == "date") {
    args.RequireCount(2, 2, "date ID YYYY-MM-DD");
    dialog.PickDate(args.Int(0), ParseDate(args.Word(1)));
  } else if (verb == "time") {
    args.RequireCount(2, 2, "time ID HH:MM");
    dialog.PickTime(args.Int(0), ParseTime(args.Word(1)));
  } else if (verb == "drop") {
    args.RequireCount(2, SIZE_MAX, "drop ID FILE...");
    const int id = args.Int(0);
    if (id != dialog.TemplateId()) RequireControl(dialog, id);
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < args.Count(); ++i) paths.push_back(args.Word(i));
    dialog.DropFiles(paths);
  } else if (verb == "timer") {
    args.RequireCount(1, 1, "timer ID");
    dialog.FireTimer(args.Int(0));
  } else if (verb == "close") {
    args.RequireCount(0, 0, "close");
    dialog.PressCloseBox();
  } else {
    throw ScriptError("unknown verb \"" + verb + "\"");
  }
}

void ScriptSession::PlayDump(HeadlessDialog& dialog, const ScriptLine& line) {
  const Arguments args(line);
  args.RequireCount(1, 1, "dump ID");
  const std::string dump = DumpControl(dialog, args.Int(0));
  if (dump.empty()) {
    throw ScriptError("window " + std::to_string(dialog.TemplateId()) +
                      " has no control or menu command " + args.Word(0));
  }
  out_ << dump;
}

}  // namespace telvane::ui::headless
