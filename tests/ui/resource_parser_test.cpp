// The resource text parser, the language fallback, and the embedded resources: every
// translated window and menu holds the controls and commands of the English one, so code
// written against the English windows works in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <stdexcept>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/embedded_resource_files.h"
#include "ui/resources.h"
#include "ui/test_program.h"

namespace telvane::ui {
namespace {

using test::TestResources;

TEST(ResourceParser, ReadsControlsOfARealisticTemplate) {
  const DialogTemplate* main = TestResources().Dialog(101, 9);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(std::tie(main->caption, main->menuId, main->width, main->height, main->fontName,
                     main->fontSize),
            std::make_tuple("Telvane S45/ME45 V1.000", 102, 330, 230, "MS Sans Serif", 8));

  const struct {
    int id;
    ControlKind kind;
  } expected[] = {
      {1066, ControlKind::Static},     {1012, ControlKind::Edit},
      {1013, ControlKind::UpDown},     {1025, ControlKind::PushButton},
      {1, ControlKind::PushButton},    {1104, ControlKind::BitmapButton},
      {1247, ControlKind::CheckBox},   {1017, ControlKind::RadioButton},
      {1072, ControlKind::ListView},   {1050, ControlKind::ComboBox},
      {1009, ControlKind::ListBox},    {1049, ControlKind::Calendar},
      {1048, ControlKind::TimePicker}, {1059, ControlKind::Progress},
      {1262, ControlKind::Picture},
  };
  for (const auto& [id, kind] : expected) {
    const ControlTemplate* control = main->Find(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(control->kind, kind) << id;
  }
  EXPECT_EQ(std::tie(main->controls.front().id, main->controls.front().text),
            std::make_tuple(-1, "Producer:"));
  EXPECT_EQ(main->Find(-1), nullptr) << "unaddressed labels are not found by id";

  const ControlTemplate* upDown = main->Find(1013);
  EXPECT_TRUE(upDown->HasStyle("UDS_ALIGNRIGHT"));
  EXPECT_TRUE(upDown->HasStyle("UDS_SETBUDDYINT"));
  EXPECT_EQ(std::tie(upDown->x, upDown->y, upDown->width, upDown->height),
            std::make_tuple(60, 40, 10, 12));
  EXPECT_TRUE(main->Find(1008)->HasStyle("WS_DISABLED"));
  EXPECT_TRUE(main->Find(1019)->HasStyle("WS_GROUP"));
}

TEST(ResourceParser, ReadsMenusWithPopupsSeparatorsAndStates) {
  const MenuTemplate* menu = TestResources().Menu(102, 9);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 2u);
  const MenuItem& file = menu->items[0];
  EXPECT_EQ(file.text, "&File");
  ASSERT_EQ(file.children.size(), 4u);
  EXPECT_EQ(
      std::make_tuple(file.children[0].command, file.children[0].grayed, file.children[1].grayed,
                      file.children[2].IsSeparator(), file.children[3].text),
      std::make_tuple(40003, false, true, true, "&Exit"));
  EXPECT_EQ(menu->items[1].children.at(0).command, 40002);
}

TEST(ResourceParser, StringsAreUnescapedAndConvertedToLatin1) {
  ResourceSet set;
  ParseResourceText(
      "STRINGTABLE\nBEGIN\n"
      "  1, \"Say \"\"hi\"\"\\tnow\"\n"
      "  2 \"Größe\\\\Maß\"  // comment after the string\n"
      "  3, \"Euro € sign\"\n"
      "  4, \"\"\n"
      "END\n",
      "strings.rc", set);
  EXPECT_EQ(set.strings, (std::map<int, std::string>{{1, "Say \"hi\"\tnow"},
                                                     {2,
                                                      "Gr\xF6\xDF"
                                                      "e\\Ma\xDF"},
                                                     {3, "Euro ? sign"},
                                                     {4, ""}}));
}

TEST(ResourceParser, AcceptsCommonRcVariants) {
  ResourceSet set;
  ParseResourceText(
      "\xEF\xBB\xBF// byte order mark, DIALOGEX, braces, STYLE, hex numbers\n"
      "300 DIALOGEX 0, 0, 100, 50\n"
      "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
      "CAPTION \"About\"\n"
      "FONT 8, \"MS Shell Dlg\", 400, 0, 0x1\n"
      "{\n"
      "  ICON 114, -1, 7, 7, 21, 20\n"
      "  CONTROL \"Tone\", 1247, \"Button\", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 30, 50, 10\n"
      "  CONTROL \"\", 1013, \"msctls_updown32\", 0x36, 60, 40, 10, 12, WS_EX_CLIENTEDGE\n"
      "}\n",
      "about.rc", set);
  const DialogTemplate& about = set.dialogs.at(300);
  EXPECT_EQ(std::tie(about.caption, about.fontName), std::make_tuple("About", "MS Shell Dlg"));
  ASSERT_EQ(about.controls.size(), 3u);
  EXPECT_EQ(std::tie(about.controls[0].kind, about.controls[1].kind),
            std::make_tuple(ControlKind::Picture, ControlKind::CheckBox));
  EXPECT_TRUE(about.controls[2].HasStyle("WS_EX_CLIENTEDGE"));
}

struct BadResource {
  const char* text;
  int line;
  const char* message;
};

class ResourceParserErrors : public ::testing::TestWithParam<BadResource> {};

TEST_P(ResourceParserErrors, NameFileAndLine) {
  ResourceSet set;
  set.strings[99] = "kept";
  try {
    ParseResourceText(GetParam().text, "de/broken.rc", set);
    FAIL() << "no error for: " << GetParam().text;
  } catch (const std::runtime_error& error) {
    const std::string what = error.what();
    EXPECT_EQ(what.rfind("de/broken.rc:" + std::to_string(GetParam().line) + ": ", 0), 0u) << what;
    EXPECT_NE(what.find(GetParam().message), std::string::npos) << what;
  }
  // A failing file adds nothing.
  EXPECT_EQ(set.strings.size(), 1u);
  EXPECT_TRUE(set.dialogs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResourceParserErrors,
    ::testing::Values(
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"open\nEND\n", 3, "unterminated string"},
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"a\"\n  1, \"b\"\nEND\n", 4,
                    "duplicate string id 1"},
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"bad \\q\"\nEND\n", 3, "unknown escape"},
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"\xC3(\"\nEND\n", 3, "not valid UTF-8"},
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"a\"\n", 4, "end of file"},
        BadResource{"1 DIALOG 0, 0, 10, 10\nBEGIN\n  SLIDER \"x\", 5, 1, 1, 1, 1\nEND\n", 3,
                    "unknown control \"SLIDER\""},
        BadResource{"1 DIALOG 0, 0, 10, 10\nBEGIN\n  CONTROL \"\", 5, \"Trackbar\", 0, 1, 1, 1, 1\n"
                    "END\n",
                    3, "unknown control class"},
        BadResource{"1 DIALOG 0, 0, 10, 10\nBEGIN\n\n  LTEXT \"a\" 5, 1, 1, 1, 1\nEND\n", 4,
                    "expected \",\""},
        BadResource{"1 DIALOG 0, 0, 10\nBEGIN\nEND\n", 2, "expected \",\""},
        BadResource{"1 MENU\nBEGIN\n  MENUITEM \"&Exit\", 0\nEND\n", 3, "command must be positive"},
        BadResource{"1 MENU\nBEGIN\n  POPUP \"x\"\n  BEGIN\n  END\nEND\n", 3, "empty POPUP"},
        BadResource{"1 ACCELERATORS\nBEGIN\nEND\n", 1, "expected MENU or DIALOG"},
        BadResource{"STRINGTABLE\nBEGIN\n  99999999999999999999, \"a\"\nEND\n", 3, "bad number"},
        BadResource{"STRINGTABLE\nBEGIN\n  1, \"a\" ;\nEND\n", 3, "unexpected character"},
        BadResource{"2 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n2 DIALOG 0, 0, 10, 10\nBEGIN\nEND\n", 4,
                    "duplicate dialog 2"}));

TEST(ResourceParser, EveryCutOfAFileParsesOrFailsCleanly) {
  const std::string text =
      "STRINGTABLE\nBEGIN\n  16, \"Can't \"\"open\"\"\\n\"\nEND\n"
      "102 MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n    MENUITEM \"&Exit\", 40001, GRAYED\n"
      "    MENUITEM SEPARATOR\n  END\nEND\n"
      "101 DIALOG 0, 0, 330, 230\nCAPTION \"Gr\xC3\xB6\xC3\x9F"
      "e\"\nMENU 102\n"
      "FONT 8, \"MS Sans Serif\"\nBEGIN\n"
      "  CONTROL \"\", 1013, \"msctls_updown32\", UDS_SETBUDDYINT | 0x20, 60, 40, 10, 12\n"
      "  EDITTEXT 1216, 10, 10, 40, 12, ES_NUMBER | NOT WS_VISIBLE // note\nEND\n";
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    ResourceSet set;
    try {
      ParseResourceText(std::string_view(text).substr(0, cut), "cut.rc", set);
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).rfind("cut.rc:", 0), 0u) << error.what();
    }
  }
  ResourceSet whole;
  ParseResourceText(text, "whole.rc", whole);
  EXPECT_EQ(whole.strings.at(16), "Can't \"open\"\n");
  EXPECT_TRUE(whole.dialogs.at(101).controls.at(1).HasStyle("NOT WS_VISIBLE"));
}

TEST(Resources, FallsBackToEnglishForMissingItems) {
  const Resources& resources = TestResources();
  EXPECT_EQ(resources.String(16, 7),
            "COM-Port kann nicht ge\xF6"
            "ffnet werden");
  EXPECT_EQ(resources.String(57, 7), "No device found") << "German lacks 57";
  EXPECT_EQ(resources.String(57, 12), "No device found") << "no French set at all";
  EXPECT_EQ(resources.String(4242, 7), "");
  EXPECT_EQ(resources.Dialog(101, 7)->caption, "Telvane deutsch");
  EXPECT_EQ(resources.Dialog(200, 7)->caption, "Child");
  EXPECT_EQ(resources.Menu(102, 7)->id, 102);
  EXPECT_EQ(resources.Dialog(999, 9), nullptr);
  EXPECT_EQ(resources.Menu(999, 7), nullptr);
}

TEST(Resources, EmbeddedFilesAreTheResourceFilesAndParse) {
  for (const EmbeddedResourceFile& file : EmbeddedResourceFiles()) {
    std::ifstream in(std::filesystem::path(TELVANE_RES_DIR) / file.name, std::ios::binary);
    ASSERT_TRUE(in) << file.name;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(file.text, bytes) << file.name;
    EXPECT_TRUE(file.languageId == 9 || file.name.substr(0, 3) != "en/") << file.name;
  }
  // Whatever res/ holds at build time must be well-formed.
  EXPECT_NO_THROW(Resources::Embedded());
}

std::map<int, ResourceSet> EmbeddedSets() {
  std::map<int, ResourceSet> sets;
  for (const EmbeddedResourceFile& file : EmbeddedResourceFiles()) {
    ParseResourceText(file.text, file.name, sets[file.languageId]);
  }
  return sets;
}

std::set<std::pair<int, ControlKind>> AddressedControls(const DialogTemplate& dialog) {
  std::set<std::pair<int, ControlKind>> controls;
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id != -1) controls.emplace(control.id, control.kind);
  }
  return controls;
}

void Commands(const std::vector<MenuItem>& items, std::vector<int>& into) {
  for (const MenuItem& item : items) {
    if (item.command != 0) into.push_back(item.command);
    Commands(item.children, into);
  }
}

TEST(Translations, KeepEveryControlAndCommandOfTheEnglishWindows) {
  const std::map<int, ResourceSet> sets = EmbeddedSets();
  const ResourceSet& english = sets.at(9);
  EXPECT_GE(sets.size(), 8u);
  for (const auto& [language, set] : sets) {
    for (const auto& [id, dialog] : set.dialogs) {
      SCOPED_TRACE("language " + std::to_string(language) + ", dialog " + std::to_string(id));
      ASSERT_TRUE(english.dialogs.contains(id));
      EXPECT_EQ(AddressedControls(dialog), AddressedControls(english.dialogs.at(id)));
    }
    for (const auto& [id, menu] : set.menus) {
      SCOPED_TRACE("language " + std::to_string(language) + ", menu " + std::to_string(id));
      ASSERT_TRUE(english.menus.contains(id));
      std::vector<int> shown, expected;
      Commands(menu.items, shown);
      Commands(english.menus.at(id).items, expected);
      EXPECT_EQ(shown, expected);
    }
  }
}

TEST(Translations, PhonebookWindowsKeepTheirStylesAndUpDownBuddies) {
  const Resources& res = Resources::Embedded();
  for (const auto& [language, set] : EmbeddedSets()) {
    SCOPED_TRACE(language);
    // The phone book windows and pop-up menus exist in every language.
    for (int id : {105, 110, 137, 163, 158, 160})
      EXPECT_NE(res.Dialog(id, language), nullptr) << id;
    for (int id : {106, 1031, 1032, 1033, 1034}) EXPECT_NE(res.Menu(id, language), nullptr) << id;
    EXPECT_TRUE(res.Dialog(137, language)->Find(1110)->HasStyle("ES_PASSWORD"));
    EXPECT_TRUE(res.Dialog(137, language)->Find(1110)->HasStyle("ES_NUMBER"));
    EXPECT_TRUE(res.Dialog(163, language)->Find(1271)->HasStyle("WS_DISABLED"));
    // Each up-down's buddy, the control before it, is its number display.
    for (const auto& [templateId, upDown, display] :
         {std::tuple{158, 1265, 1261}, std::tuple{160, 1264, 1263}}) {
      const auto& controls = res.Dialog(templateId, language)->controls;
      const auto at = std::find_if(controls.begin(), controls.end(),
                                   [&](const ControlTemplate& c) { return c.id == upDown; });
      ASSERT_NE(at, controls.begin());
      EXPECT_EQ(std::prev(at)->id, display);
    }
  }
}

}  // namespace
}  // namespace telvane::ui
