// The phone book windows, their pop-up menus and the logo and tone previews exist in
// every language with the controls and commands the code addresses.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/resources.h"

namespace telvane::ui {
namespace {

constexpr int kEnglish = 9;
constexpr int kGerman = 7;

struct Expected {
  int templateId;
  std::vector<std::pair<int, ControlKind>> controls;
};

const std::vector<Expected>& ExpectedTemplates() {
  using K = ControlKind;
  static const std::vector<Expected> templates = {
      {105,
       {{1026, K::ListView}, {1106, K::ComboBox}, {1027, K::Static}, {1028, K::Static},
        {1029, K::Static},   {1030, K::Static},   {1213, K::Static}, {1214, K::Static},
        {1031, K::ListView}, {1035, K::Edit},     {1159, K::PushButton},
        {1032, K::ListBox},  {1033, K::ListBox},  {1034, K::ListBox}, {1011, K::PushButton},
        {1160, K::Static},   {1161, K::Static},   {1220, K::Progress}}},
      {110, {{1056, K::Edit}, {1058, K::Edit}, {1, K::PushButton}, {2, K::PushButton}}},
      {137, {{1110, K::Edit}, {1, K::PushButton}, {2, K::PushButton}}},
      {163,
       {{1266, K::Edit}, {1267, K::Edit}, {1278, K::Edit}, {1268, K::Edit}, {1270, K::Edit},
        {1271, K::Edit}, {1269, K::Edit}, {1272, K::Edit}, {1273, K::Edit}, {1274, K::Edit},
        {1275, K::Edit}, {1279, K::Edit}, {1043, K::Edit}, {1277, K::Edit},
        {1280, K::CheckBox}, {1, K::PushButton}, {2, K::PushButton}}},
      {158,
       {{1260, K::BitmapButton}, {1246, K::BitmapButton}, {1261, K::Edit}, {1265, K::UpDown}}},
      {160, {{1262, K::Picture}, {1263, K::Edit}, {1264, K::UpDown}}},
  };
  return templates;
}

// Pop-up menu id -> its commands in order.
const std::vector<std::pair<int, std::vector<int>>>& ExpectedMenus() {
  static const std::vector<std::pair<int, std::vector<int>>> menus = {
      {106,
       {40004, 40005, 40006, 40016, 40007, 40011, 40012, 40013, 40014, 40051, 40048, 40019,
        40040, 40039, 40022, 40046}},
      {1031, {40038}},
      {1032, {40033, 40009, 40012, 40011}},
      {1033, {40036, 40008, 40012, 40011}},
      {1034, {40035, 40010, 40012, 40011}},
  };
  return menus;
}

std::set<std::pair<int, ControlKind>> AddressedControls(const DialogTemplate& dialog) {
  std::set<std::pair<int, ControlKind>> controls;
  for (const ControlTemplate& control : dialog.controls) {
    if (control.id != -1) controls.emplace(control.id, control.kind);
  }
  return controls;
}

class PhonebookTemplates : public testing::TestWithParam<int> {};

TEST_P(PhonebookTemplates, HoldTheControlsAndCommandsTheCodeAddresses) {
  const int language = GetParam();
  const Resources& res = Resources::Embedded();
  for (const Expected& expected : ExpectedTemplates()) {
    SCOPED_TRACE(expected.templateId);
    const DialogTemplate* dialog = res.Dialog(expected.templateId, language);
    const DialogTemplate* english = res.Dialog(expected.templateId, kEnglish);
    ASSERT_NE(dialog, nullptr);
    ASSERT_NE(english, nullptr);
    // Only the address dialog is shared: German has its own, the rest use the English one.
    const bool ownTemplate = expected.templateId != 163 || language == kGerman;
    EXPECT_EQ(dialog != english, ownTemplate && language != kEnglish);
    for (const auto& [id, kind] : expected.controls) {
      const ControlTemplate* control = dialog->Find(id);
      ASSERT_NE(control, nullptr) << "control " << id;
      EXPECT_EQ(control->kind, kind) << "control " << id;
    }
    // A translation changes texts and coordinates, never which controls there are.
    EXPECT_EQ(AddressedControls(*dialog), AddressedControls(*english));
  }
  EXPECT_TRUE(res.Dialog(137, language)->Find(1110)->HasStyle("ES_PASSWORD"));
  EXPECT_TRUE(res.Dialog(137, language)->Find(1110)->HasStyle("ES_NUMBER"));
  EXPECT_TRUE(res.Dialog(163, language)->Find(1271)->HasStyle("WS_DISABLED"));
  // Each up-down's buddy, the control before it, is its number display.
  for (const auto& [templateId, upDown, display] : {std::tuple{158, 1265, 1261},
                                                    std::tuple{160, 1264, 1263}}) {
    const auto& controls = res.Dialog(templateId, language)->controls;
    const auto at = std::find_if(controls.begin(), controls.end(),
                                 [&](const ControlTemplate& c) { return c.id == upDown; });
    ASSERT_NE(at, controls.begin());
    EXPECT_EQ(std::prev(at)->id, display);
  }

  for (const auto& [menuId, commands] : ExpectedMenus()) {
    SCOPED_TRACE(menuId);
    const MenuTemplate* menu = res.Menu(menuId, language);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(language == kEnglish || menu != res.Menu(menuId, kEnglish));
    ASSERT_EQ(menu->items.size(), 1u) << "one pop-up";
    std::vector<int> shown;
    for (const MenuItem& item : menu->items[0].children) {
      EXPECT_FALSE(item.text.empty());
      shown.push_back(item.command);
    }
    EXPECT_EQ(shown, commands);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, PhonebookTemplates,
                         testing::Values(7, 9, 10, 12, 16, 19, 20, 22));

}  // namespace
}  // namespace telvane::ui
