// The verbs of a UI script that act on the top window or check it.

#include <charconv>
#include <cstdio>
#include <sstream>

#include "ui/headless/control_dump.h"
#include "ui/headless/headless_dialog.h"
#include "ui/headless/headless_ui.h"
#include "ui/headless/output_text.h"
#include "ui/headless/script_session.h"
#include "gsm/latin1_text.h"

namespace telvane::ui::headless {
namespace {

// The argument words of a line (after the verb, or after "expect CHECK").
class Arguments {
 public:
  explicit Arguments(const ScriptLine& line)
      : line_(line), head_(line.words[0] == "expect" ? 2 : 1) {}

  std::size_t Count() const { return line_.ArgumentCount(); }
  void RequireCount(std::size_t low, std::size_t high, std::string_view usage) const {
    if (Count() < low || Count() > high) throw ScriptError("usage: " + std::string(usage));
  }
  const std::string& Word(std::size_t index) const { return line_.words[head_ + index]; }
  int Int(std::size_t index) const {
    std::string_view word = Word(index);
    if (word.starts_with('+')) word.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) {
      throw ScriptError("\"" + Word(index) + "\" is not a number");
    }
    return value;
  }
  bool OnOff(std::size_t index) const {
    if (Word(index) == "on") return true;
    if (Word(index) == "off") return false;
    throw ScriptError("expected on or off, found \"" + Word(index) + "\"");
  }
  // The text after the first `count` arguments, unescaped, in ISO 8859-1.
  std::string TextAfter(std::size_t count) const {
    return gsm::Utf8ToLatin1(line_.RestAfter(head_ + count));
  }

 private:
  const ScriptLine& line_;
  std::size_t head_;
};

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

const ControlState& RequireControl(const HeadlessDialog& dialog, int id) {
  const ControlState* control = dialog.Control(id);
  if (!control) {
    throw ScriptError("window " + std::to_string(dialog.TemplateId()) + " has no control " +
                      std::to_string(id));
  }
  return *control;
}

std::string JoinRows(const std::vector<int>& rows) {
  std::string text;
  for (const int row : rows) text += (text.empty() ? "" : " ") + std::to_string(row);
  return "[" + text + "]";
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

void ScriptSession::PlayExpect(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line) {
  const std::string& check = line.words[1];
  const Arguments args(line);
  // Compares and reports; `what` names the check in the failure line.
  const auto compare = [&](const std::string& what, const std::string& expected,
                           const std::string& actual) {
    if (expected != actual) {
      ExpectFailed(line, what + ": expected " + expected + ", got " + actual);
    }
  };
  const auto text = [](std::string_view latin1) { return Quoted(latin1); };
  const auto onOff = [](bool value) { return std::string(value ? "on" : "off"); };
  const auto id = [&] { return args.Int(0); };
  const auto name = [&](std::string_view what) { return std::string(what) + " " + args.Word(0); };

  if (check == "text") {
    args.RequireCount(1, SIZE_MAX, "expect text ID TEXT");
    RequireControl(dialog, id());
    compare(name("text"), text(args.TextAfter(1)), text(dialog.Text(id())));
  } else if (check == "checked" || check == "enabled" || check == "visible") {
    args.RequireCount(2, 2, "expect " + check + " ID on|off");
    const bool expected = args.OnOff(1);
    bool actual = false;
    if (const ControlState* control = dialog.Control(id())) {
      actual = check == "checked"   ? control->checked
               : check == "enabled" ? control->enabled
                                    : control->visible;
    } else if (const MenuCommandState* command = dialog.MenuCommand(id());
               command && check != "visible") {
      actual = check == "checked" ? command->checked : command->enabled;
    } else {
      throw ScriptError("window " + std::to_string(dialog.TemplateId()) +
                        " has no control or menu command " + args.Word(0));
    }
    compare(name(check), onOff(expected), onOff(actual));
  } else if (check == "rowcount") {
    args.RequireCount(2, 2, "expect rowcount ID N");
    const ControlState& control = RequireControl(dialog, id());
    const int count =
        control.Kind() == ControlKind::ListView ? dialog.RowCount(id()) : dialog.ItemCount(id());
    compare(name("rowcount"), std::to_string(args.Int(1)), std::to_string(count));
  } else if (check == "cell") {
    args.RequireCount(3, SIZE_MAX, "expect cell ID ROW COL TEXT");
    RequireControl(dialog, id());
    const int row = args.Int(1);
    const int column = args.Int(2);
    const std::string what = name("cell") + " " + args.Word(1) + " " + args.Word(2);
    if (row < 0 || row >= dialog.RowCount(id())) {
      ExpectFailed(line,
                   what + ": no such row (" + std::to_string(dialog.RowCount(id())) + " rows)");
    } else {
      compare(what, text(args.TextAfter(3)), text(dialog.Cell(id(), row, column)));
    }
  } else if (check == "message") {
    args.RequireCount(1, 1, "expect message STRINGID");
    const auto& last = LastMessage();
    compare("message", std::to_string(args.Int(0)),
            last ? std::to_string(last->stringId) : std::string("no message"));
  } else if (check == "bitmap") {
    args.RequireCount(2, 2, "expect bitmap ID N");
    RequireControl(dialog, id());
    compare(name("bitmap"), std::to_string(args.Int(1)), std::to_string(dialog.Bitmap(id())));
  } else if (check == "pos") {
    args.RequireCount(2, 2, "expect pos ID N");
    RequireControl(dialog, id());
    compare(name("pos"), std::to_string(args.Int(1)), std::to_string(dialog.Pos(id())));
  } else if (check == "window") {
    args.RequireCount(1, 1, "expect window TEMPLATEID");
    compare("window", std::to_string(args.Int(0)), std::to_string(dialog.TemplateId()));
  } else if (check == "caption") {
    compare("caption", text(args.TextAfter(0)), text(dialog.Caption()));
  } else if (check == "opened") {
    const auto& requests = ui.ShellRequests();
    compare("opened", text(args.TextAfter(0)),
            requests.empty() ? std::string("nothing opened") : text(requests.back()));
  } else if (check == "item") {
    args.RequireCount(2, SIZE_MAX, "expect item ID INDEX TEXT");
    RequireControl(dialog, id());
    const int index = args.Int(1);
    const std::string what = name("item") + " " + args.Word(1);
    if (index < 0 || index >= dialog.ItemCount(id())) {
      ExpectFailed(line,
                   what + ": no such item (" + std::to_string(dialog.ItemCount(id())) + " items)");
    } else {
      compare(what, text(args.TextAfter(2)), text(dialog.ItemText(id(), index)));
    }
  } else if (check == "current") {
    args.RequireCount(2, 2, "expect current ID INDEX");
    RequireControl(dialog, id());
    compare(name("current"), std::to_string(args.Int(1)), std::to_string(dialog.CurrentItem(id())));
  } else if (check == "rows") {
    args.RequireCount(1, SIZE_MAX, "expect rows ID [I J ...]");
    RequireControl(dialog, id());
    std::vector<int> expected;
    for (std::size_t i = 1; i < args.Count(); ++i) expected.push_back(args.Int(i));
    std::sort(expected.begin(), expected.end());
    compare(name("rows"), JoinRows(expected), JoinRows(dialog.SelectedRows(id())));
  } else {
    throw ScriptError("unknown check \"" + check + "\"");
  }
}

}  // namespace telvane::ui::headless
