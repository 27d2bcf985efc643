// Dialog templates, menus and string tables, one set per language, in the text form of
// res/<language>/*.rc. Embedded into the programs at build time; text is ISO 8859-1.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace telvane::ui {

enum class ControlKind {
  Static,        // LTEXT, CTEXT, RTEXT: a label or a read-only text field
  Edit,          // EDITTEXT
  PushButton,    // PUSHBUTTON, DEFPUSHBUTTON
  BitmapButton,  // a PUSHBUTTON with the BS_BITMAP style: shows a bitmap, no text
  CheckBox,      // AUTOCHECKBOX
  RadioButton,   // AUTORADIOBUTTON
  GroupBox,      // GROUPBOX
  ListView,      // CONTROL "", id, "SysListView32", ...
  ListBox,       // LISTBOX
  ComboBox,      // COMBOBOX
  UpDown,        // CONTROL "", id, "msctls_updown32", ...: its buddy is the control before it
  Progress,      // CONTROL "", id, "msctls_progress32", ...
  Calendar,      // CONTROL "", id, "SysMonthCal32", ...
  TimePicker,    // CONTROL "", id, "SysDateTimePick32", ...
  Picture,       // CONTROL "", id, "Static", SS_BITMAP or a frame where a picture is drawn
};

struct ControlTemplate {
  ControlKind kind = ControlKind::Static;
  int id = -1;  // -1: a label nobody addresses
  std::string text{};
  int x = 0, y = 0, width = 0, height = 0;  // dialog units
  std::vector<std::string> styles{};        // as written: "WS_DISABLED", "ES_PASSWORD", ...
  bool HasStyle(std::string_view style) const;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  int x = 0, y = 0, width = 0, height = 0;
  int menuId = 0;  // 0: no menu
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  std::vector<ControlTemplate> controls;
  const ControlTemplate* Find(int controlId) const;
};

struct MenuItem {
  std::string text{};  // with "&" marking the access key; empty for a separator
  int command = 0;     // 0 for a separator or a pop-up
  bool grayed = false;
  bool checked = false;              // CHECKED: starts with a check mark
  std::vector<MenuItem> children{};  // a pop-up when not empty
  bool IsSeparator() const { return text.empty() && command == 0 && children.empty(); }
};

struct MenuTemplate {
  int id = 0;
  std::vector<MenuItem> items;  // top-level pop-ups (a menu bar) or the entries of a pop-up menu
};

// One language's resources.
struct ResourceSet {
  std::map<int, DialogTemplate> dialogs;
  std::map<int, MenuTemplate> menus;
  std::map<int, std::string> strings;
};

// Parses the text of one .rc file into `into`. Throws std::runtime_error naming the line
// on a syntax error (resources are ours; a broken one is a build-time mistake).
void ParseResourceText(std::string_view text, std::string_view sourceName, ResourceSet& into);

// All languages. Lookups fall back to English (language 9) when the language lacks an item.
class Resources {
 public:
  void Add(int languageId, ResourceSet set);
  const DialogTemplate* Dialog(int templateId, int languageId) const;
  const MenuTemplate* Menu(int menuId, int languageId) const;
  // The string's text; an empty text for an unknown id.
  std::string String(int stringId, int languageId) const;
  // One language's own items, without the English fallback; nullptr for a language not added.
  const ResourceSet* Language(int languageId) const;

  // The resources embedded into the program (res/ at build time).
  static const Resources& Embedded();

 private:
  std::map<int, ResourceSet> sets_;
};

}  // namespace telvane::ui
