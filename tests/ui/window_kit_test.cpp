#include "ui/window_kit.h"

#include <gtest/gtest.h>

#include <sstream>

#include "config/profile_file.h"
#include "config/settings.h"
#include "support/temp_dir.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::testing {
namespace {

constexpr int kSmall = 300, kHuge = 301, kList = 1072;

ui::Resources HelperResources() {
  ui::ResourceSet set;
  ui::ParseResourceText(R"(
300 DIALOG 0, 0, 200, 100
CAPTION "Small"
BEGIN
    CONTROL "", 1072, "SysListView32", LVS_REPORT, 7, 7, 180, 80
END
301 DIALOG 0, 0, 2000, 1500
CAPTION "Huge"
BEGIN
    DEFPUSHBUTTON "OK", 1, 7, 7, 50, 14
END
)",
                        "helpers.rc", set);
  ui::Resources resources;
  resources.Add(9, set);
  return resources;
}

// Runs `program` on the headless backend with an empty script.
void RunHeadless(const std::function<void(ui::Ui&)>& program) {
  const ui::Resources resources = HelperResources();
  std::istringstream script("");
  std::ostringstream out, err;
  ui::headless::RunScript(script, "test", out, err, resources, 9,
                          [&](ui::headless::HeadlessUi& ui) { program(ui); });
}

struct InitOnly : ui::DialogHandler {
  std::function<void(ui::Dialog&)> init;
  void OnInit(ui::Dialog& dialog) override {
    init(dialog);
    dialog.End(ui::kIdOk);
  }
};

TEST(WindowHelpers, CenteringKeepsTheSizeAndGoesNegativeForAWindowLargerThanTheWorkArea) {
  ui::Rect small{}, huge{};
  RunHeadless([&](ui::Ui& ui) {
    InitOnly handler;
    handler.init = [&](ui::Dialog& dialog) {
      const ui::Rect before = dialog.WindowRect();
      ui::CenterWindow(dialog, ui.WorkArea());
      small = dialog.WindowRect();
      EXPECT_EQ(small.width, before.width);
      EXPECT_EQ(small.x, (ui.WorkArea().width - small.width) / 2);
      EXPECT_EQ(small.y, (ui.WorkArea().height - small.height) / 2);
    };
    ui.RunModal(kSmall, handler, nullptr);
    handler.init = [&](ui::Dialog& dialog) {
      ui::CenterWindow(dialog, ui.WorkArea());
      huge = dialog.WindowRect();
    };
    ui.RunModal(kHuge, handler, nullptr);
  });
  EXPECT_GT(small.x, 0);
  EXPECT_LT(huge.x, 0);
  EXPECT_LT(huge.y, 0);
}

TEST(WindowHelpers, ColumnWidthsComeFromAndGoToTheirFamily) {
  TempDir dir;
  config::ProfileFile profile(dir / "Telvane.ini", "Telvane");
  std::array<int, 3> widths{0, 150, 0};
  RunHeadless([&](ui::Ui& ui) {
    InitOnly handler;
    handler.init = [&](ui::Dialog& dialog) {
      const ui::ColumnSpec columns[] = {{"Name", 120}, {"Number", 90}, {"Pos", 40}};
      ui::InsertColumns(dialog, kList, columns, widths);
      EXPECT_EQ(dialog.ColumnWidth(kList, 0), 120);  // 0: not saved yet
      EXPECT_EQ(dialog.ColumnWidth(kList, 1), 150);
      dialog.SetColumnWidth(kList, 2, 55);
      ui::ReadColumnWidths(dialog, kList, widths);
    };
    ui.RunModal(kSmall, handler, nullptr);
  });
  EXPECT_EQ(widths, (std::array<int, 3>{120, 150, 55}));
  config::WriteKeyFamily(profile, "TCol", widths);
  const config::Settings reread = config::ReadAllSettings(config::ProfileFile(dir / "Telvane.ini", "Telvane"));
  EXPECT_EQ(reread.tCol, (std::array<int, 3>{120, 150, 55}));
}

}  // namespace
}  // namespace telvane::testing
