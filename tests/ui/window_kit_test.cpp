// The list helpers of the window kit: column widths from their saved family and back.
#include "ui/window_kit.h"

#include <gtest/gtest.h>

#include "config/profile_file.h"
#include "config/settings.h"
#include "support/temp_dir.h"
#include "ui/test_program.h"

namespace telvane::testing {
namespace {

constexpr int kList = 1072;

TEST(WindowHelpers, ColumnWidthsComeFromAndGoToTheirFamily) {
  TempDir dir;
  config::ProfileFile profile(dir / "Telvane.ini", "Telvane");
  std::array<int, 3> widths{0, 150, 0};
  const auto run = ui::test::Play("", [&](ui::headless::HeadlessUi& ui) {
    TestHandler handler;
    handler.init = [&](ui::Dialog& dialog) {
      const ui::ColumnSpec columns[] = {{"Name", 120}, {"Number", 90}, {"Pos", 40}};
      ui::InsertColumns(dialog, kList, columns, widths);
      EXPECT_EQ(dialog.ColumnWidth(kList, 0), 120);  // 0: not saved yet
      EXPECT_EQ(dialog.ColumnWidth(kList, 1), 150);
      dialog.SetColumnWidth(kList, 2, 55);
      ui::ReadColumnWidths(dialog, kList, widths);
      dialog.End(ui::kIdOk);
    };
    ui.RunModal(101, handler, nullptr);
  });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(widths, (std::array<int, 3>{120, 150, 55}));
  config::WriteKeyFamily(profile, "TCol", widths);
  const config::Settings reread = config::ReadAllSettings(config::ProfileFile(dir / "Telvane.ini", "Telvane"));
  EXPECT_EQ(reread.tCol, (std::array<int, 3>{120, 150, 55}));
}

}  // namespace
}  // namespace telvane::testing
