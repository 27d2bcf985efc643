// The checks of a UI script ("expect CHECK ..."): each compares what the script expects
// with what the top window shows and gives the failure line's text when they differ.

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/headless/control_dump.h"
#include "ui/headless/headless_dialog.h"
#include "ui/headless/headless_ui.h"
#include "ui/headless/output_text.h"
#include "ui/headless/script_arguments.h"
#include "ui/headless/script_session.h"

namespace telvane::ui::headless {
namespace {

struct CheckContext {
  const HeadlessUi& ui;
  const HeadlessDialog& dialog;
  const Arguments& args;
  const std::string& check;
  const std::optional<MessageRequest>& lastMessage;
};

// The failure text ("WHAT: expected X, got Y"), or nothing when the check holds.
using Failure = std::optional<std::string>;
using Check = Failure (*)(const CheckContext&);

Failure Compare(const std::string& what, const std::string& expected, const std::string& actual) {
  if (expected == actual) return std::nullopt;
  return what + ": expected " + expected + ", got " + actual;
}

std::string OnOff(bool value) { return value ? "on" : "off"; }

// The check's name followed by the control id as the script wrote it.
std::string Named(const CheckContext& c, std::string_view what) {
  return std::string(what) + " " + c.args.Word(0);
}

// The control the check names; a script error when the window has none.
int ControlId(const CheckContext& c) {
  const int id = c.args.Int(0);
  RequireControl(c.dialog, id);
  return id;
}

std::string JoinRows(const std::vector<int>& rows) {
  std::string text;
  for (const int row : rows) text += (text.empty() ? "" : " ") + std::to_string(row);
  return "[" + text + "]";
}

Failure CheckText(const CheckContext& c) {
  c.args.RequireCount(1, SIZE_MAX, "expect text ID TEXT");
  const int id = ControlId(c);
  if (c.args.TextAfter(1) == c.dialog.Text(id)) return std::nullopt;
  return Compare(Named(c, "text"), Quoted(c.args.TextAfter(1)), Quoted(ShownText(c.dialog, id)));
}

// "checked", "enabled" or "visible" of a control; the first two also of a menu command.
Failure CheckFlag(const CheckContext& c) {
  c.args.RequireCount(2, 2, "expect " + c.check + " ID on|off");
  const bool expected = c.args.OnOff(1);
  const int id = c.args.Int(0);
  bool actual = false;
  if (const ControlState* control = c.dialog.Control(id)) {
    actual = c.check == "checked"   ? control->checked
             : c.check == "enabled" ? control->enabled
                                    : control->visible;
  } else if (const MenuCommandState* command = c.dialog.MenuCommand(id);
             command && c.check != "visible") {
    actual = c.check == "checked" ? command->checked : command->enabled;
  } else {
    throw ScriptError("window " + std::to_string(c.dialog.TemplateId()) +
                      " has no control or menu command " + c.args.Word(0));
  }
  return Compare(Named(c, c.check), OnOff(expected), OnOff(actual));
}

Failure CheckRowCount(const CheckContext& c) {
  c.args.RequireCount(2, 2, "expect rowcount ID N");
  const int id = c.args.Int(0);
  const ControlState& control = RequireControl(c.dialog, id);
  const int count =
      control.Kind() == ControlKind::ListView ? c.dialog.RowCount(id) : c.dialog.ItemCount(id);
  return Compare(Named(c, "rowcount"), std::to_string(c.args.Int(1)), std::to_string(count));
}

Failure CheckCell(const CheckContext& c) {
  c.args.RequireCount(3, SIZE_MAX, "expect cell ID ROW COL TEXT");
  const int id = ControlId(c);
  const int row = c.args.Int(1);
  const int column = c.args.Int(2);
  const std::string what = Named(c, "cell") + " " + c.args.Word(1) + " " + c.args.Word(2);
  const int rows = c.dialog.RowCount(id);
  if (row < 0 || row >= rows) return what + ": no such row (" + std::to_string(rows) + " rows)";
  return Compare(what, Quoted(c.args.TextAfter(3)), Quoted(c.dialog.Cell(id, row, column)));
}

Failure CheckItem(const CheckContext& c) {
  c.args.RequireCount(2, SIZE_MAX, "expect item ID INDEX TEXT");
  const int id = ControlId(c);
  const int index = c.args.Int(1);
  const std::string what = Named(c, "item") + " " + c.args.Word(1);
  const int items = c.dialog.ItemCount(id);
  if (index < 0 || index >= items) {
    return what + ": no such item (" + std::to_string(items) + " items)";
  }
  return Compare(what, Quoted(c.args.TextAfter(2)), Quoted(c.dialog.ItemText(id, index)));
}

// A number the window keeps per control: its bitmap, position or current item.
template <int (HeadlessDialog::*Number)(int) const>
Failure CheckControlNumber(const CheckContext& c, std::string_view usage) {
  c.args.RequireCount(2, 2, usage);
  const int id = ControlId(c);
  return Compare(Named(c, c.check), std::to_string(c.args.Int(1)),
                 std::to_string((c.dialog.*Number)(id)));
}

Failure CheckRows(const CheckContext& c) {
  c.args.RequireCount(1, SIZE_MAX, "expect rows ID [I J ...]");
  const int id = ControlId(c);
  std::vector<int> expected;
  for (std::size_t i = 1; i < c.args.Count(); ++i) expected.push_back(c.args.Int(i));
  std::sort(expected.begin(), expected.end());
  return Compare(Named(c, "rows"), JoinRows(expected), JoinRows(c.dialog.SelectedRows(id)));
}

Failure CheckMessage(const CheckContext& c) {
  c.args.RequireCount(1, 1, "expect message STRINGID");
  return Compare("message", std::to_string(c.args.Int(0)),
                 c.lastMessage ? std::to_string(c.lastMessage->stringId) : "no message");
}

Failure CheckWindow(const CheckContext& c) {
  c.args.RequireCount(1, 1, "expect window TEMPLATEID");
  return Compare("window", std::to_string(c.args.Int(0)), std::to_string(c.dialog.TemplateId()));
}

Failure CheckCaption(const CheckContext& c) {
  return Compare("caption", Quoted(c.args.TextAfter(0)), Quoted(c.dialog.Caption()));
}

Failure CheckOpened(const CheckContext& c) {
  const auto& requests = c.ui.ShellRequests();
  return Compare("opened", Quoted(c.args.TextAfter(0)),
                 requests.empty() ? std::string("nothing opened") : Quoted(requests.back()));
}

constexpr std::pair<std::string_view, Check> kChecks[] = {
    {"text", CheckText},
    {"checked", CheckFlag},
    {"enabled", CheckFlag},
    {"visible", CheckFlag},
    {"rowcount", CheckRowCount},
    {"cell", CheckCell},
    {"message", CheckMessage},
    {"bitmap",
     [](const CheckContext& c) {
       return CheckControlNumber<&HeadlessDialog::Bitmap>(c, "expect bitmap ID N");
     }},
    {"pos",
     [](const CheckContext& c) {
       return CheckControlNumber<&HeadlessDialog::Pos>(c, "expect pos ID N");
     }},
    {"window", CheckWindow},
    {"caption", CheckCaption},
    {"opened", CheckOpened},
    {"item", CheckItem},
    {"current",
     [](const CheckContext& c) {
       return CheckControlNumber<&HeadlessDialog::CurrentItem>(c, "expect current ID INDEX");
     }},
    {"rows", CheckRows},
};

}  // namespace

void ScriptSession::PlayExpect(HeadlessUi& ui, HeadlessDialog& dialog, const ScriptLine& line) {
  const std::string& check = line.words[1];
  const auto entry = std::ranges::find(kChecks, std::string_view(check),
                                       &std::pair<std::string_view, Check>::first);
  if (entry == std::end(kChecks)) throw ScriptError("unknown check \"" + check + "\"");
  const Arguments args(line);
  const CheckContext context{ui, dialog, args, check, LastMessage()};
  if (const Failure failure = entry->second(context)) ExpectFailed(line, *failure);
}

}  // namespace telvane::ui::headless
