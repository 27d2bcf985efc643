// The headless dialog through the Dialog interface, as window code uses it.

#include "ui/headless/headless_dialog.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "ui/test_program.h"

namespace telvane::ui {
namespace {

using headless::HeadlessDialog;

class HeadlessDialogTest : public ::testing::Test {
 protected:
  test::LambdaHandler handler;
  HeadlessDialog dialog{*test::TestResources().Dialog(101, 9), handler, test::TestResources(), 9};
};

TEST_F(HeadlessDialogTest, UnknownIdsAreIgnoredAndGiveDefaults) {
  constexpr int kNone = 4711;
  dialog.SetText(kNone, "x");
  dialog.Enable(kNone, false);
  dialog.SetChecked(kNone, true);
  dialog.SetPos(kNone, 3);
  dialog.InsertRow(kNone, 0, "x");
  dialog.SortRows(kNone, [](const ListRow&, const ListRow&) { return false; });
  dialog.EnableMenuItem(kNone, true);
  dialog.ShowPopupMenu(kNone);
  EXPECT_EQ(std::make_tuple(dialog.HasControl(kNone), dialog.Text(kNone), dialog.IsEnabled(kNone),
                            dialog.Pos(kNone), dialog.RowCount(kNone), dialog.CurrentItem(kNone),
                            dialog.FocusedRow(kNone), dialog.SelectedRows(kNone),
                            dialog.IsMenuItemEnabled(kNone)),
            std::make_tuple(false, "", false, 0, 0, -1, -1, std::vector<int>{}, false));
  // Out-of-range rows, items and columns of real controls, too.
  EXPECT_EQ(dialog.Cell(1072, 5, 0), "");
  EXPECT_EQ(dialog.ItemText(1050, -1), "");
  dialog.SetCell(1072, 0, 0, "x");
  dialog.RemoveItem(1050, 3);
  dialog.SetColumnWidth(1072, 9, 10);
  EXPECT_EQ(dialog.ColumnWidth(1072, 9), 0);
  // The wrong kind of control.
  EXPECT_EQ(dialog.AddItem(1072, "x"), -1);
  EXPECT_EQ(dialog.InsertRow(1050, 0, "x"), -1);
}

TEST_F(HeadlessDialogTest, InsertAndDeleteKeepFocusAndCurrentOnTheirRows) {
  dialog.AddColumn(1072, "Name", 50);
  dialog.InsertRow(1072, 0, "b");
  dialog.InsertRow(1072, 99, "c");  // past the end: appended
  dialog.SetFocusedRow(1072, 1);
  EXPECT_EQ(dialog.InsertRow(1072, 0, "a"), 0);
  EXPECT_EQ(dialog.FocusedRow(1072), 2);
  EXPECT_EQ(dialog.Cell(1072, 2, 0), "c");
  dialog.DeleteRow(1072, 0);
  EXPECT_EQ(dialog.FocusedRow(1072), 1);
  dialog.DeleteRow(1072, 1);
  EXPECT_EQ(dialog.FocusedRow(1072), -1);

  for (const char* item : {"one", "two", "three"}) dialog.AddItem(1050, item);
  dialog.SetCurrentItem(1050, 2);
  dialog.RemoveItem(1050, 0);
  EXPECT_EQ(dialog.CurrentItem(1050), 1);
  EXPECT_EQ(dialog.Text(1050), "three");
  dialog.RemoveItem(1050, 1);
  EXPECT_EQ(dialog.CurrentItem(1050), -1);
  dialog.SetCurrentItem(1050, 7);
  EXPECT_EQ(dialog.CurrentItem(1050), -1);
}

TEST_F(HeadlessDialogTest, ColumnsAddedLaterGiveRowsEmptyCells) {
  dialog.InsertRow(1072, 0, "only", 7);
  dialog.AddColumn(1072, "Name", 50);
  dialog.AddColumn(1072, "Number", 60);
  dialog.SetCell(1072, 0, 1, "+49");
  EXPECT_EQ(
      std::make_tuple(dialog.Cell(1072, 0, 0), dialog.Cell(1072, 0, 1), dialog.RowData(1072, 0)),
      std::make_tuple("only", "+49", 7));
  dialog.AddListStyle(1072, kListFullRowSelect);
  dialog.AddListStyle(1072, kListFullRowSelect);
  EXPECT_EQ(dialog.ListStyle(1072), kListFullRowSelect);
}

TEST_F(HeadlessDialogTest, SetCheckedKeepsRadioGroupsExclusive) {
  dialog.SetChecked(1017, true);
  dialog.SetChecked(1019, true);
  dialog.SetChecked(1018, true);
  dialog.SetChecked(1247, true);
  // 1019 is of another group.
  EXPECT_EQ(
      (std::vector<bool>{dialog.IsChecked(1017), dialog.IsChecked(1018), dialog.IsChecked(1019),
                         dialog.IsChecked(1020), dialog.IsChecked(1247)}),
      (std::vector<bool>{false, true, true, false, true}));
}

TEST_F(HeadlessDialogTest, RangesClampPositionsAndMayRunDownwards) {
  dialog.SetRange(1059, 0, 100);
  dialog.SetPos(1059, 150);
  EXPECT_EQ(dialog.Pos(1059), 100);
  dialog.SetRange(1013, 5, 1);  // an up-down whose values fall going up
  dialog.SetPos(1013, 0);
  EXPECT_EQ(dialog.Pos(1013), 1);
  EXPECT_EQ(dialog.Text(1012), "1") << "the integer buddy shows the position";
}

TEST_F(HeadlessDialogTest, WindowGeometryAndEnd) {
  // 330 x 230 dialog units.
  EXPECT_EQ(std::make_pair(dialog.WindowRect().width, dialog.WindowRect().height),
            std::make_pair(495, 373));
  dialog.MoveWindow(-10, 20);
  EXPECT_EQ(dialog.WindowRect().x, -10);
  dialog.SetTimer(1, 500);
  dialog.End(kIdOk);
  EXPECT_TRUE(dialog.Ended());
  EXPECT_EQ(dialog.Result(), kIdOk);
  EXPECT_TRUE(dialog.Timers().empty()) << "timers stop with the window";
}

TEST(HeadlessModeless, ClosesWhenTheObjectGoes) {
  test::LambdaHandler box;
  std::unique_ptr<Dialog> wait;  // reset by the script before the window ends
  const auto run =
      test::PlayMain("click 1025\nexpect text 1066 1\nclick 1016\nexpect text 1066 0\n",
                     [&](test::LambdaHandler& main, headless::HeadlessUi& ui) {
                       main.command = [&](Dialog& d, int id) {
                         wait = id == 1025 ? ui.OpenModeless(200, box) : nullptr;
                         d.SetText(1066, std::to_string(ui.ModelessCount()));
                       };
                     });
  EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace telvane::ui
