// The Dialog interface on the real widgets: texts, checks, radio groups, up-downs,
// combo and list boxes, edits, bitmaps, dates.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "qt/qt_dialog.h"
#include "qt/templates.h"

namespace telvane::qt {
namespace {

using test::K;

ui::DialogTemplate FormTemplate() {
  return test::Dialog(200, "Form", 200, 150,
                      {{K::RadioButton, 10, "Off", 4, 4, 40, 10, {"WS_GROUP"}},
                       {K::RadioButton, 11, "On", 4, 16, 40, 10},
                       {K::RadioButton, 12, "Auto", 4, 28, 40, 10},
                       {K::Static, -1, "Mode:", 50, 4, 30, 8},
                       {K::RadioButton, 20, "Left", 50, 16, 40, 10},
                       {K::RadioButton, 21, "Right", 50, 28, 40, 10},
                       {K::RadioButton, 22, "Up", 50, 40, 40, 10, {"WS_GROUP"}},
                       {K::RadioButton, 23, "Down", 50, 52, 40, 10},
                       {K::CheckBox, 30, "Vibrator", 100, 4, 60, 10},
                       {K::Edit, 40, "", 100, 20, 30, 12},
                       {K::UpDown, 41, "", 130, 20, 10, 12},
                       {K::ComboBox, 50, "", 100, 40, 80, 60, {"CBS_DROPDOWNLIST"}},
                       {K::ComboBox, 51, "", 100, 56, 80, 60, {"CBS_DROPDOWNLIST", "CBS_SORT"}},
                       {K::ListBox, 52, "", 100, 72, 80, 30},
                       {K::Edit, 60, "", 4, 70, 90, 30, {"ES_MULTILINE"}},
                       {K::Edit, 61, "", 4, 104, 90, 12},
                       {K::Picture, 70, "", 100, 106, 40, 20},
                       {K::BitmapButton, 71, "", 150, 106, 20, 14},
                       {K::Progress, 72, "", 4, 120, 90, 8},
                       {K::Calendar, 80, "", 4, 130, 60, 16},
                       {K::TimePicker, 81, "", 70, 130, 40, 12, {"DTS_TIMEFORMAT"}},
                       {K::PushButton, 1, "OK", 150, 130, 40, 14}});
}

class DialogControls : public ::testing::Test {
 protected:
  // The checked radio buttons and check box.
  std::vector<int> Checked() const {
    std::vector<int> checked;
    for (int id : {10, 11, 12, 20, 21, 22, 23, 30}) {
      if (dialog.IsChecked(id)) checked.push_back(id);
    }
    return checked;
  }

  test::Recorder handler;
  QtDialog dialog{FormTemplate(), nullptr, handler, {}};
};

TEST_F(DialogControls, TextsGoToTheWidgetsAndBackAsLatin1) {
  dialog.SetText(61, "M\xFCller \xE9t\xE9");  // ISO 8859-1 bytes
  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.ControlWidget(61))->text(),
            QString::fromUtf8("Müller été"));
  EXPECT_EQ(dialog.Text(61), "M\xFCller \xE9t\xE9");
  dialog.SetText(1, "Stop");
  EXPECT_EQ(dialog.Text(1), "Stop");
  dialog.SetCaption("Caption \xC4");
  EXPECT_EQ(dialog.Caption(), "Caption \xC4");
  EXPECT_EQ(dialog.Window().windowTitle(), QString::fromUtf8("Caption Ä"));
}

TEST_F(DialogControls, MultiLineEditsKeepTheProgramsLineEndsAndTheLimit) {
  dialog.SetText(60, "first\r\nsecond");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(dialog.ControlWidget(60))->toPlainText(),
            "first\nsecond");
  EXPECT_EQ(dialog.Text(60), "first\r\nsecond");

  dialog.SetTextLimit(60, 5);
  dialog.SetText(60, "");
  dialog.SetFocus(60);
  QTest::keyClicks(dialog.ControlWidget(60), "abcdefgh");
  EXPECT_EQ(dialog.Text(60), "abcde");

  // The limit holds the user's typing; text the program sets stays whole.
  dialog.SetText(60, "1234567");
  EXPECT_EQ(dialog.Text(60), "1234567");

  dialog.SetTextLimit(61, 3);
  dialog.SetText(61, "");
  QTest::keyClicks(dialog.ControlWidget(61), "12345");
  EXPECT_EQ(dialog.Text(61), "123");
  dialog.SetText(61, "+4930123");
  EXPECT_EQ(dialog.Text(61), "+4930123");
}

TEST_F(DialogControls, RadioGroupsAreExclusiveWithinTheirRunOnly) {
  dialog.SetChecked(10, true);
  dialog.SetChecked(20, true);
  dialog.SetChecked(22, true);
  // The label ended the first group; WS_GROUP started a third.
  EXPECT_EQ(Checked(), (std::vector<int>{10, 20, 22}));

  dialog.SetChecked(12, true);
  EXPECT_EQ(Checked(), (std::vector<int>{12, 20, 22}));

  dialog.Open();
  QTest::mouseClick(dialog.ControlWidget(21), Qt::LeftButton);
  EXPECT_EQ(Checked(), (std::vector<int>{12, 21, 22}));
  EXPECT_EQ(handler.commands, std::vector<int>{21});

  // The program may clear the checked button of a group.
  dialog.SetChecked(21, false);
  EXPECT_EQ(Checked(), (std::vector<int>{12, 22}));
  dialog.End(0);
}

TEST_F(DialogControls, CheckBoxesChangeByProgramWithoutCommandsAndByClickWithOne) {
  dialog.SetChecked(30, true);
  EXPECT_EQ(Checked(), std::vector<int>{30});
  EXPECT_TRUE(handler.commands.empty());
  dialog.Open();
  QTest::mouseClick(dialog.ControlWidget(30), Qt::LeftButton);
  EXPECT_EQ(Checked(), std::vector<int>{});
  EXPECT_EQ(handler.commands, std::vector<int>{30});
  EXPECT_FALSE(dialog.IsChecked(40));  // not a check box
  dialog.End(0);
}

TEST_F(DialogControls, UpDownMovesWithinItsRangeAndShowsThePositionInItsBuddy) {
  dialog.SetRange(41, 0, 4);
  dialog.SetPos(41, 3);
  EXPECT_EQ(dialog.Pos(41), 3);
  EXPECT_EQ(dialog.Text(40), "3");

  dialog.SetPos(41, 9);  // clamped
  EXPECT_EQ(dialog.Pos(41), 4);
  EXPECT_EQ(dialog.Text(40), "4");

  // A number typed into the buddy is the position.
  dialog.SetText(40, "1");
  EXPECT_EQ(dialog.Pos(41), 1);

  dialog.Open();
  handler.events.clear();
  const auto buttons = dialog.ControlWidget(41)->findChildren<QAbstractButton*>();
  ASSERT_EQ(buttons.size(), 2);
  QTest::mouseClick(buttons.at(0), Qt::LeftButton);  // up
  EXPECT_EQ(dialog.Pos(41), 2);
  EXPECT_EQ(dialog.Text(40), "2");
  ASSERT_FALSE(handler.events.empty());
  EXPECT_EQ(handler.events.back().kind, ui::EventKind::Changed);
  EXPECT_EQ(handler.events.back().controlId, 41);

  dialog.SetPos(41, 0);
  handler.events.clear();
  QTest::mouseClick(buttons.at(1), Qt::LeftButton);  // down at the bottom: stays
  EXPECT_EQ(dialog.Pos(41), 0);
  EXPECT_TRUE(std::none_of(handler.events.begin(), handler.events.end(),
                           [](const ui::ControlEvent& e) { return e.controlId == 41; }));

  // The arrow keys in the buddy move it as well.
  dialog.SetFocus(40);
  QTest::keyClick(dialog.ControlWidget(40), Qt::Key_Up);
  QTest::keyClick(dialog.ControlWidget(40), Qt::Key_Up);
  EXPECT_EQ(dialog.Pos(41), 2);
  EXPECT_EQ(dialog.Text(40), "2");
  dialog.End(0);
}

TEST_F(DialogControls, ComboAndListBoxItemsCarryData) {
  EXPECT_EQ(dialog.AddItem(50, "SM"), 0);
  EXPECT_EQ(dialog.AddItem(50, "ME"), 1);
  dialog.SetItemData(50, 1, 0x1234567890LL);
  EXPECT_EQ(dialog.ItemCount(50), 2);
  EXPECT_EQ(dialog.ItemText(50, 1), "ME");
  EXPECT_EQ(dialog.ItemData(50, 1), 0x1234567890LL);
  EXPECT_EQ(dialog.CurrentItem(50), -1);  // nothing chosen yet
  dialog.SetCurrentItem(50, 1);
  EXPECT_EQ(dialog.CurrentItem(50), 1);
  EXPECT_EQ(dialog.Text(50), "ME");
  dialog.RemoveItem(50, 0);
  EXPECT_EQ(dialog.ItemText(50, 0), "ME");
  EXPECT_EQ(dialog.ItemData(50, 0), 0x1234567890LL);
  EXPECT_EQ(dialog.ItemText(50, 5), "");
  dialog.ClearItems(50);
  EXPECT_EQ(dialog.ItemCount(50), 0);

  // A sorted combo box puts each item in its place and says where.
  dialog.AddItem(51, "delta");
  dialog.AddItem(51, "Alpha");
  EXPECT_EQ(dialog.AddItem(51, "charlie"), 1);
  EXPECT_EQ(dialog.ItemText(51, 0), "Alpha");
  EXPECT_EQ(dialog.ItemText(51, 2), "delta");

  dialog.AddItem(52, "one");
  dialog.AddItem(52, "two");
  dialog.SetItemData(52, 0, -7);
  dialog.SetCurrentItem(52, 1);
  EXPECT_EQ(dialog.CurrentItem(52), 1);
  EXPECT_EQ(dialog.ItemData(52, 0), -7);
  // Choices made by the program send no selection events.
  EXPECT_TRUE(handler.events.empty());
}

TEST_F(DialogControls, EnableShowAndTheWindowAsAWhole) {
  dialog.Enable(30, false);
  EXPECT_FALSE(dialog.IsEnabled(30));
  dialog.EnableWindow(false);
  EXPECT_FALSE(dialog.IsWindowEnabled());
  dialog.Enable(30, true);
  EXPECT_TRUE(dialog.IsEnabled(30));  // its own state, whatever the window's
  dialog.EnableWindow(true);
  EXPECT_TRUE(dialog.ControlWidget(30)->isEnabled());

  dialog.Open();
  dialog.Show(30, false);
  EXPECT_FALSE(dialog.ControlWidget(30)->isVisible());
  dialog.Show(30, true);
  EXPECT_TRUE(dialog.ControlWidget(30)->isVisible());
  dialog.MoveWindow(40, 50);
  EXPECT_EQ(std::make_pair(dialog.WindowRect().x, dialog.WindowRect().y), std::make_pair(40, 50));
  EXPECT_GE(dialog.WindowRect().width, dialog.Window().width());
  dialog.End(0);
}

TEST_F(DialogControls, BitmapsProgressDatesAndTimes) {
  dialog.SetBitmap(70, 131);
  dialog.SetBitmap(71, 134);
  EXPECT_EQ(std::make_pair(dialog.Bitmap(70), dialog.Bitmap(71)), std::make_pair(131, 134));
  EXPECT_FALSE(qobject_cast<QLabel*>(dialog.ControlWidget(70))->pixmap().isNull());
  EXPECT_FALSE(qobject_cast<QPushButton*>(dialog.ControlWidget(71))->icon().isNull());
  EXPECT_EQ(dialog.Bitmap(1), 0);

  dialog.SetRange(72, 0, 200);
  dialog.SetPos(72, 150);
  EXPECT_EQ(dialog.Pos(72), 150);

  dialog.SetDate(80, {2001, 8, 31});
  EXPECT_EQ(dialog.GetDate(80), (ui::Date{2001, 8, 31}));
  dialog.SetDate(80, {2001, 2, 30});  // no such day: unchanged
  EXPECT_EQ(dialog.GetDate(80), (ui::Date{2001, 8, 31}));
  dialog.SetTime(81, {21, 55, 13});
  EXPECT_EQ(dialog.GetTime(81), (ui::Time{21, 55, 13}));
}

}  // namespace
}  // namespace telvane::qt
