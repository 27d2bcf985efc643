// A dialog built from its template: the right widgets, texts, ids, geometry and menu.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "qt/qt_dialog.h"
#include "qt/templates.h"

namespace telvane::qt {
namespace {

using test::Control;
using ui::ControlKind;

ui::DialogTemplate StatusTemplate() {
  return test::Dialog(
      101, "Phone status", 240, 160,
      {Control(ControlKind::GroupBox, -1, "Status", 4, 4, 232, 60),
       Control(ControlKind::Static, -1, "Producer:", 10, 16, 50, 8),
       Control(ControlKind::Static, 1066, "", 70, 16, 80, 8),
       Control(ControlKind::Edit, 1012, "3", 10, 30, 30, 12, {"ES_NUMBER"}),
       Control(ControlKind::UpDown, 1013, "", 40, 30, 10, 12),
       Control(ControlKind::CheckBox, 1247, "Tone off", 70, 30, 60, 10),
       Control(ControlKind::RadioButton, 1301, "A", 140, 30, 40, 10, {"WS_GROUP"}),
       Control(ControlKind::ListView, 1400, "", 10, 70, 220, 40, {"LVS_REPORT"}),
       Control(ControlKind::ComboBox, 1500, "", 10, 114, 80, 60, {"CBS_DROPDOWNLIST"}),
       Control(ControlKind::Progress, 1059, "", 100, 114, 80, 8),
       Control(ControlKind::Edit, 1600, "", 10, 130, 100, 24, {"ES_MULTILINE"}),
       Control(ControlKind::Calendar, 1700, "", 120, 130, 40, 24),
       Control(ControlKind::TimePicker, 1701, "", 170, 130, 40, 12, {"DTS_TIMEFORMAT"}),
       Control(ControlKind::BitmapButton, 1104, "", 200, 16, 20, 12),
       Control(ControlKind::PushButton, 1, "OK", 190, 144, 40, 14, {"BS_DEFPUSHBUTTON"})});
}

TEST(DialogBuild, EveryKindBecomesItsWidgetWithTheTemplateText) {
  test::Recorder handler;
  QtDialog dialog(StatusTemplate(), nullptr, handler, {});

  EXPECT_EQ(dialog.TemplateId(), 101);
  EXPECT_EQ(dialog.Caption(), "Phone status");
  EXPECT_NE(qobject_cast<QLabel*>(dialog.ControlWidget(1066)), nullptr);
  EXPECT_NE(qobject_cast<QLineEdit*>(dialog.ControlWidget(1012)), nullptr);
  EXPECT_NE(qobject_cast<QCheckBox*>(dialog.ControlWidget(1247)), nullptr);
  EXPECT_NE(qobject_cast<QRadioButton*>(dialog.ControlWidget(1301)), nullptr);
  EXPECT_NE(qobject_cast<QTreeWidget*>(dialog.ControlWidget(1400)), nullptr);
  EXPECT_NE(qobject_cast<QComboBox*>(dialog.ControlWidget(1500)), nullptr);
  EXPECT_NE(qobject_cast<QProgressBar*>(dialog.ControlWidget(1059)), nullptr);
  EXPECT_NE(qobject_cast<QPlainTextEdit*>(dialog.ControlWidget(1600)), nullptr);
  EXPECT_NE(qobject_cast<QCalendarWidget*>(dialog.ControlWidget(1700)), nullptr);
  EXPECT_NE(qobject_cast<QDateTimeEdit*>(dialog.ControlWidget(1701)), nullptr);
  EXPECT_NE(qobject_cast<QPushButton*>(dialog.ControlWidget(1104)), nullptr);

  EXPECT_EQ(dialog.Text(1247), "Tone off");
  EXPECT_EQ(dialog.Text(1), "OK");
  EXPECT_EQ(dialog.Text(1012), "3");
  dialog.SetText(1012, "");
  QTest::keyClicks(dialog.ControlWidget(1012), "1a2");  // ES_NUMBER: digits only
  EXPECT_EQ(dialog.Text(1012), "12");
  // Unaddressed labels are there as widgets but not as controls.
  EXPECT_FALSE(dialog.HasControl(-1));
  EXPECT_TRUE(dialog.HasControl(1066));
  const auto labels = dialog.Window().findChildren<QLabel*>();
  EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                          [](QLabel* label) { return label->text() == "Producer:"; }));
  const auto groups = dialog.Window().findChildren<QGroupBox*>();
  ASSERT_EQ(groups.size(), 1);
  EXPECT_EQ(groups.front()->title(), "Status");
  // The group box is a frame behind the controls, not their parent.
  EXPECT_EQ(dialog.ControlWidget(1066)->parentWidget(), groups.front()->parentWidget());
}

TEST(DialogBuild, GeometryFollowsTheDialogUnits) {
  test::Recorder handler;
  QtDialog dialog(StatusTemplate(), nullptr, handler, {});
  const QRect label = dialog.ControlWidget(1066)->geometry();
  const QRect edit = dialog.ControlWidget(1012)->geometry();
  const QRect check = dialog.ControlWidget(1247)->geometry();
  const QRect ok = dialog.ControlWidget(1)->geometry();

  // Same template x: same pixel x; further right or down in units: further in pixels.
  EXPECT_EQ(edit.x(), dialog.ControlWidget(1400)->geometry().x());
  EXPECT_GT(check.x(), edit.right());
  EXPECT_GT(edit.y(), label.y());
  EXPECT_GT(ok.y(), edit.bottom());
  // Twice the units, twice the pixels (within rounding).
  EXPECT_NEAR(dialog.ControlWidget(1400)->width(), 220.0 / 30.0 * edit.width(), 8.0);
  // The window is as large as the template and holds every control.
  const QRect client(QPoint(0, 0), dialog.Window().size());
  for (int id : {1066, 1012, 1247, 1400, 1500, 1, 1600}) {
    EXPECT_TRUE(client.contains(dialog.ControlWidget(id)->geometry())) << id;
  }
  EXPECT_GT(dialog.Window().width(), dialog.Window().height());
}

TEST(DialogBuild, MenuBarComesFromTheMenuAndShiftsTheControlsBelowIt) {
  ui::MenuTemplate menu;
  menu.id = 102;
  const auto item = [](std::string text, int command, bool grayed = false) {
    ui::MenuItem entry;
    entry.text = std::move(text);
    entry.command = command;
    entry.grayed = grayed;
    return entry;
  };
  ui::MenuItem file = item("&File", 0);
  file.children = {item("&Options", 40003), item("&Download logo", 40030, true), item("", 0),
                   item("&Exit", 40001)};
  ui::MenuItem help = item("&?", 0);
  help.children = {item("&Info", 40002)};
  menu.items = {file, help};
  test::Recorder handler;
  QtDialog plain(StatusTemplate(), nullptr, handler, {});
  QtDialog withMenu(StatusTemplate(), &menu, handler, {});

  const auto* bar = withMenu.Window().findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions().at(0)->text(), "&File");
  EXPECT_EQ(bar->actions().at(0)->menu()->actions().size(), 4);
  EXPECT_TRUE(bar->actions().at(0)->menu()->actions().at(2)->isSeparator());

  const QWidget* shifted = withMenu.ControlWidget(1066);
  const QPoint top = shifted->mapTo(&withMenu.Window(), QPoint(0, 0));
  EXPECT_GE(top.y(), bar->geometry().bottom());
  EXPECT_EQ(withMenu.Window().height() - plain.Window().height(), bar->height());

  EXPECT_TRUE(withMenu.IsMenuItemEnabled(40003));
  EXPECT_FALSE(withMenu.IsMenuItemEnabled(40030));  // grayed in the template
  withMenu.EnableMenuItem(40030, true);
  withMenu.EnableMenuItem(40003, false);
  EXPECT_TRUE(withMenu.IsMenuItemEnabled(40030));
  EXPECT_FALSE(withMenu.IsMenuItemEnabled(40003));
  EXPECT_FALSE(withMenu.IsMenuItemEnabled(49999));

  bar->actions().at(1)->menu()->actions().at(0)->trigger();
  EXPECT_EQ(handler.commands, std::vector<int>{40002});
}

TEST(DialogBuild, TemplateStylesDisableHideAndMaskControls) {
  const auto dialogTemplate = test::Dialog(
      1, "Styles", 100, 60,
      {Control(ControlKind::Edit, 10, "", 4, 4, 40, 12, {"ES_PASSWORD"}),
       Control(ControlKind::PushButton, 11, "Go", 4, 20, 40, 12, {"WS_DISABLED"}),
       Control(ControlKind::Static, 12, "&Name && more", 4, 36, 80, 8),
       Control(ControlKind::Static, 13, "hidden", 50, 4, 40, 8, {"NOT WS_VISIBLE"})});
  test::Recorder handler;
  QtDialog dialog(dialogTemplate, nullptr, handler, {});
  dialog.Open();

  EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.ControlWidget(10))->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(dialog.IsEnabled(11));
  EXPECT_TRUE(dialog.IsEnabled(10));
  EXPECT_FALSE(dialog.ControlWidget(13)->isVisible());
  EXPECT_TRUE(dialog.ControlWidget(12)->isVisible());
  // The label shows the text without its access-key marks; the program reads it back as set.
  EXPECT_EQ(qobject_cast<QLabel*>(dialog.ControlWidget(12))->text(), "Name & more");
  EXPECT_EQ(dialog.Text(12), "&Name && more");
  dialog.End(0);
}

TEST(DialogBuild, UnknownIdsAreIgnoredWithDefaults) {
  test::Recorder handler;
  QtDialog dialog(StatusTemplate(), nullptr, handler, {});
  constexpr int kMissing = 4242;
  dialog.SetText(kMissing, "x");
  dialog.Enable(kMissing, false);
  dialog.SetChecked(kMissing, true);
  dialog.SetPos(kMissing, 3);
  dialog.SetBitmap(kMissing, 114);
  dialog.AddColumn(kMissing, "c", 10);
  dialog.SetCell(kMissing, 0, 0, "x");
  dialog.SelectRow(kMissing, 0, true);
  dialog.SortRows(kMissing, [](const ui::ListRow&, const ui::ListRow&) { return false; });
  dialog.EnableMenuItem(kMissing, true);
  dialog.KillTimer(kMissing);
  EXPECT_EQ(dialog.Text(kMissing), "");
  EXPECT_FALSE(dialog.IsEnabled(kMissing));
  EXPECT_FALSE(dialog.IsChecked(kMissing));
  EXPECT_EQ(dialog.Pos(kMissing), 0);
  EXPECT_EQ(dialog.RowCount(kMissing), 0);
  EXPECT_EQ(dialog.FocusedRow(kMissing), -1);
  EXPECT_EQ(dialog.CurrentItem(kMissing), -1);
  EXPECT_EQ(dialog.AddItem(kMissing, "x"), -1);
  EXPECT_EQ(dialog.InsertRow(kMissing, 0, "x"), -1);
  EXPECT_TRUE(dialog.SelectedRows(kMissing).empty());
  // Operations of another kind on a real control change nothing either.
  dialog.AddColumn(1012, "c", 10);
  EXPECT_EQ(dialog.ColumnCount(1012), 0);
  EXPECT_EQ(dialog.AddItem(1247, "x"), -1);
  EXPECT_EQ(dialog.Text(1012), "3");
}

}  // namespace
}  // namespace telvane::qt
