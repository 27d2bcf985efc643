// Every translated window and menu holds the controls and commands of the English one, so
// code written against the English windows works in every language.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/embedded_resource_files.h"
#include "ui/resources.h"

namespace telvane::ui {
namespace {

constexpr int kEnglish = 9;

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
  const ResourceSet& english = sets.at(kEnglish);
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
    for (int id : {105, 110, 137, 163, 158, 160}) EXPECT_NE(res.Dialog(id, language), nullptr) << id;
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
