// The resource text format: STRINGTABLE, MENU and DIALOG items in the syntax of .rc files.

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

#include "ui/resource_lexer.h"
#include "ui/resources.h"

namespace telvane::ui {
namespace {

constexpr int kMaxMenuDepth = 8;
constexpr long long kMaxId = 65535;

std::string Upper(std::string_view word) {
  std::string out(word);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

bool HasAny(const std::vector<std::string>& styles, std::initializer_list<std::string_view> names) {
  return std::any_of(styles.begin(), styles.end(), [&](const std::string& style) {
    return std::find(names.begin(), names.end(), style) != names.end();
  });
}

std::optional<ControlKind> KindOfControlClass(std::string_view className,
                                              const std::vector<std::string>& styles) {
  const std::string name = Upper(className);
  if (name == "MSCTLS_UPDOWN32") return ControlKind::UpDown;
  if (name == "SYSLISTVIEW32") return ControlKind::ListView;
  if (name == "MSCTLS_PROGRESS32") return ControlKind::Progress;
  if (name == "SYSMONTHCAL32") return ControlKind::Calendar;
  if (name == "SYSDATETIMEPICK32") return ControlKind::TimePicker;
  if (name == "EDIT") return ControlKind::Edit;
  if (name == "LISTBOX") return ControlKind::ListBox;
  if (name == "COMBOBOX") return ControlKind::ComboBox;
  if (name == "STATIC") {
    const bool text = styles.empty() || HasAny(styles, {"SS_LEFT", "SS_CENTER", "SS_RIGHT",
                                                        "SS_LEFTNOWORDWRAP", "SS_SIMPLE"});
    return text ? ControlKind::Static : ControlKind::Picture;
  }
  if (name == "BUTTON") {
    if (HasAny(styles, {"BS_AUTOCHECKBOX", "BS_CHECKBOX"})) return ControlKind::CheckBox;
    if (HasAny(styles, {"BS_AUTORADIOBUTTON", "BS_RADIOBUTTON"})) return ControlKind::RadioButton;
    if (HasAny(styles, {"BS_GROUPBOX"})) return ControlKind::GroupBox;
    if (HasAny(styles, {"BS_BITMAP"})) return ControlKind::BitmapButton;
    return ControlKind::PushButton;
  }
  return std::nullopt;
}

class Parser {
 public:
  Parser(std::string_view text, std::string_view sourceName, ResourceSet& into)
      : lexer_(text, sourceName), into_(into) {
    Advance();
  }

  void ParseFile() {
    while (token_.kind != TokenKind::End) ParseItem();
  }

 private:
  void Advance() { token_ = lexer_.Next(); }
  [[noreturn]] void Fail(std::string_view what) { lexer_.Fail(token_.line, what); }

  std::string Describe() const {
    switch (token_.kind) {
      case TokenKind::End: return "end of file";
      case TokenKind::String: return "a string";
      default: return "\"" + token_.text + "\"";
    }
  }

  bool AtWord(std::string_view upperWord) const {
    return token_.kind == TokenKind::Word && Upper(token_.text) == upperWord;
  }
  void ExpectWord(std::string_view upperWord) {
    if (!AtWord(upperWord)) Fail("expected " + std::string(upperWord) + ", found " + Describe());
    Advance();
  }
  bool SkipComma() {
    if (token_.kind != TokenKind::Comma) return false;
    Advance();
    return true;
  }
  void ExpectComma() {
    if (!SkipComma()) Fail("expected \",\", found " + Describe());
  }
  long long Number() {
    if (token_.kind != TokenKind::Number) Fail("expected a number, found " + Describe());
    const long long value = token_.number;
    Advance();
    return value;
  }
  int Id() {
    const long long value = Number();
    if (value < -1 || value > kMaxId) Fail("id " + std::to_string(value) + " out of range");
    return static_cast<int>(value);
  }
  int Coordinate() {
    const long long value = Number();
    if (value < -32768 || value > 32767) Fail("coordinate out of range");
    return static_cast<int>(value);
  }
  std::string String() {
    if (token_.kind != TokenKind::String) Fail("expected a string, found " + Describe());
    std::string value = std::move(token_.text);
    Advance();
    return value;
  }

  // A style expression: names or numbers joined by "|"; "NOT X" is kept as written.
  void Styles(std::vector<std::string>& styles) {
    while (true) {
      if (AtWord("NOT")) {
        Advance();
        if (token_.kind != TokenKind::Word) Fail("expected a style name after NOT");
        styles.push_back("NOT " + token_.text);
        Advance();
      } else if (token_.kind == TokenKind::Word) {
        styles.push_back(token_.text);
        Advance();
      } else if (token_.kind == TokenKind::Number) {
        if (token_.number != 0) styles.push_back(token_.text);
        Advance();
      } else {
        Fail("expected a style, found " + Describe());
      }
      if (token_.kind != TokenKind::Pipe) return;
      Advance();
    }
  }

  void ParseItem() {
    if (AtWord("STRINGTABLE")) return ParseStringTable();
    const int line = token_.line;
    const int id = Id();
    if (id <= 0) lexer_.Fail(line, "resource id must be positive");
    if (AtWord("MENU") || AtWord("MENUEX")) return ParseMenu(id);
    if (AtWord("DIALOG") || AtWord("DIALOGEX")) return ParseDialog(id);
    Fail("expected MENU or DIALOG, found " + Describe());
  }

  void ParseStringTable() {
    Advance();
    // Memory options such as DISCARDABLE may stand before BEGIN.
    while (token_.kind == TokenKind::Word && !AtWord("BEGIN")) Advance();
    ExpectWord("BEGIN");
    while (!AtWord("END")) {
      const int line = token_.line;
      const int id = Id();
      if (id < 0) lexer_.Fail(line, "string id must not be negative");
      SkipComma();
      std::string text = String();
      if (!into_.strings.emplace(id, std::move(text)).second) {
        lexer_.Fail(line, "duplicate string id " + std::to_string(id));
      }
    }
    Advance();
  }

  void ParseMenu(int id) {
    const int line = token_.line;
    Advance();
    MenuTemplate menu;
    menu.id = id;
    ExpectWord("BEGIN");
    menu.items = ParseMenuItems(1);
    if (!into_.menus.emplace(id, std::move(menu)).second) {
      lexer_.Fail(line, "duplicate menu " + std::to_string(id));
    }
  }

  // Entries up to and including END.
  std::vector<MenuItem> ParseMenuItems(int depth) {
    if (depth > kMaxMenuDepth) Fail("menus nested too deeply");
    std::vector<MenuItem> items;
    while (!AtWord("END")) {
      MenuItem item;
      if (AtWord("POPUP")) {
        const int popupLine = token_.line;
        Advance();
        item.text = String();
        MenuOptions(item);
        ExpectWord("BEGIN");
        item.children = ParseMenuItems(depth + 1);
        if (item.children.empty()) lexer_.Fail(popupLine, "empty POPUP \"" + item.text + "\"");
      } else if (AtWord("MENUITEM")) {
        Advance();
        if (AtWord("SEPARATOR")) {
          Advance();
        } else {
          item.text = String();
          ExpectComma();
          const int line = token_.line;
          item.command = Id();
          if (item.command <= 0) lexer_.Fail(line, "menu command must be positive");
          MenuOptions(item);
        }
      } else {
        Fail("expected POPUP, MENUITEM or END, found " + Describe());
      }
      items.push_back(std::move(item));
    }
    Advance();
    return items;
  }

  void MenuOptions(MenuItem& item) {
    while (SkipComma()) {
      if (token_.kind != TokenKind::Word) Fail("expected a menu option, found " + Describe());
      const std::string option = Upper(token_.text);
      if (option == "GRAYED" || option == "INACTIVE") item.grayed = true;
      if (option == "CHECKED") item.checked = true;
      Advance();
    }
  }

  void ParseDialog(int id) {
    const int line = token_.line;
    Advance();
    DialogTemplate dialog;
    dialog.id = id;
    dialog.x = Coordinate();
    ExpectComma();
    dialog.y = Coordinate();
    ExpectComma();
    dialog.width = Coordinate();
    ExpectComma();
    dialog.height = Coordinate();
    if (SkipComma()) Number();  // DIALOGEX help id
    ParseDialogOptions(dialog);
    ExpectWord("BEGIN");
    while (!AtWord("END")) dialog.controls.push_back(ParseControl());
    Advance();
    if (!into_.dialogs.emplace(id, std::move(dialog)).second) {
      lexer_.Fail(line, "duplicate dialog " + std::to_string(id));
    }
  }

  void ParseDialogOptions(DialogTemplate& dialog) {
    while (!AtWord("BEGIN")) {
      if (AtWord("CAPTION")) {
        Advance();
        dialog.caption = String();
      } else if (AtWord("MENU")) {
        Advance();
        dialog.menuId = Id();
      } else if (AtWord("FONT")) {
        Advance();
        dialog.fontSize = Coordinate();
        ExpectComma();
        dialog.fontName = String();
        while (SkipComma()) Number();  // DIALOGEX weight, italic, character set
      } else if (AtWord("STYLE") || AtWord("EXSTYLE")) {
        Advance();
        std::vector<std::string> ignored;
        Styles(ignored);
      } else if (AtWord("CLASS") || AtWord("LANGUAGE")) {
        Advance();
        if (token_.kind == TokenKind::String) {
          Advance();
        } else {
          Number();
          while (SkipComma()) Number();
        }
      } else {
        Fail("expected a dialog option or BEGIN, found " + Describe());
      }
    }
  }

  void Geometry(ControlTemplate& control) {
    control.x = Coordinate();
    ExpectComma();
    control.y = Coordinate();
    ExpectComma();
    control.width = Coordinate();
    ExpectComma();
    control.height = Coordinate();
  }

  // ", style [, extended style]" at the end of a control statement.
  void TrailingStyles(ControlTemplate& control) {
    while (SkipComma()) Styles(control.styles);
  }

  ControlTemplate ParseControl() {
    if (token_.kind != TokenKind::Word) Fail("expected a control, found " + Describe());
    const std::string keyword = Upper(token_.text);
    const int line = token_.line;
    Advance();
    if (keyword == "CONTROL") return ParseClassControl(line);
    ControlTemplate control;
    const bool withText = keyword != "EDITTEXT" && keyword != "LISTBOX" && keyword != "COMBOBOX";
    if (keyword == "ICON" && token_.kind == TokenKind::Number) {  // an icon by number
      control.text = token_.text;
      Advance();
      ExpectComma();
    } else if (withText) {
      control.text = String();
      ExpectComma();
    }
    control.id = Id();
    ExpectComma();
    if (keyword == "ICON") {
      IconPlace(control);
      return control;
    }
    Geometry(control);
    TrailingStyles(control);
    SetKindOfKeyword(keyword, line, control);
    return control;
  }

  // CONTROL text, id, class, style, x, y, width, height [, extended style]
  ControlTemplate ParseClassControl(int line) {
    ControlTemplate control;
    control.text = String();
    ExpectComma();
    control.id = Id();
    ExpectComma();
    const std::string className = String();
    ExpectComma();
    Styles(control.styles);
    ExpectComma();
    Geometry(control);
    TrailingStyles(control);
    const auto kind = KindOfControlClass(className, control.styles);
    if (!kind) lexer_.Fail(line, "unknown control class \"" + className + "\"");
    control.kind = *kind;
    return control;
  }

  // The rest of ICON text, id, x, y [, width, height [, style]].
  void IconPlace(ControlTemplate& control) {
    control.kind = ControlKind::Picture;
    control.x = Coordinate();
    ExpectComma();
    control.y = Coordinate();
    if (SkipComma()) {
      control.width = Coordinate();
      ExpectComma();
      control.height = Coordinate();
      TrailingStyles(control);
    }
  }

  // The kind a keyword stands for. Its own style is recorded as the style it stands for, so
  // backends can find the default button and the alignment of a text.
  void SetKindOfKeyword(const std::string& keyword, int line, ControlTemplate& control) {
    if (keyword == "LTEXT" || keyword == "CTEXT" || keyword == "RTEXT") {
      control.kind = ControlKind::Static;
      if (keyword == "CTEXT") control.styles.push_back("SS_CENTER");
      if (keyword == "RTEXT") control.styles.push_back("SS_RIGHT");
    } else if (keyword == "EDITTEXT") {
      control.kind = ControlKind::Edit;
    } else if (keyword == "PUSHBUTTON" || keyword == "DEFPUSHBUTTON") {
      control.kind =
          control.HasStyle("BS_BITMAP") ? ControlKind::BitmapButton : ControlKind::PushButton;
      if (keyword == "DEFPUSHBUTTON") control.styles.push_back("BS_DEFPUSHBUTTON");
    } else if (keyword == "AUTOCHECKBOX" || keyword == "CHECKBOX") {
      control.kind = ControlKind::CheckBox;
    } else if (keyword == "AUTORADIOBUTTON" || keyword == "RADIOBUTTON") {
      control.kind = ControlKind::RadioButton;
    } else if (keyword == "GROUPBOX") {
      control.kind = ControlKind::GroupBox;
    } else if (keyword == "LISTBOX") {
      control.kind = ControlKind::ListBox;
    } else if (keyword == "COMBOBOX") {
      control.kind = ControlKind::ComboBox;
    } else {
      lexer_.Fail(line, "unknown control \"" + keyword + "\"");
    }
  }

  ResourceLexer lexer_;
  ResourceSet& into_;
  Token token_;
};

}  // namespace

void ParseResourceText(std::string_view text, std::string_view sourceName, ResourceSet& into) {
  // Parse into a copy so that a failing file leaves `into` as it was.
  ResourceSet parsed = into;
  Parser(text, sourceName, parsed).ParseFile();
  into = std::move(parsed);
}

}  // namespace telvane::ui
