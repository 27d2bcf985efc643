// A dialog built from its template: the right widgets, texts, ids, geometry and menu.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <tuple>

#include "qt/qt_dialog.h"
#include "qt/templates.h"

namespace telvane::qt {
namespace {

using test::K;

ui::DialogTemplate StatusTemplate() {
  return test::Dialog(101, "Phone status", 240, 160,
                      {{K::GroupBox, -1, "Status", 4, 4, 232, 60},
                       {K::Static, -1, "Producer:", 10, 16, 50, 8},
                       {K::Static, 1066, "", 70, 16, 80, 8},
                       {K::Edit, 1012, "3", 10, 30, 30, 12, {"ES_NUMBER"}},
                       {K::UpDown, 1013, "", 40, 30, 10, 12},
                       {K::CheckBox, 1247, "Tone off", 70, 30, 60, 10},
                       {K::RadioButton, 1301, "A", 140, 30, 40, 10, {"WS_GROUP"}},
                       {K::ListView, 1400, "", 10, 70, 220, 40, {"LVS_REPORT"}},
                       {K::ComboBox, 1500, "", 10, 114, 80, 60, {"CBS_DROPDOWNLIST"}},
                       {K::Progress, 1059, "", 100, 114, 80, 8},
                       {K::Edit, 1600, "", 10, 130, 100, 24, {"ES_MULTILINE"}},
                       {K::Calendar, 1700, "", 120, 130, 40, 24},
                       {K::TimePicker, 1701, "", 170, 130, 40, 12, {"DTS_TIMEFORMAT"}},
                       {K::BitmapButton, 1104, "", 200, 16, 20, 12},
                       {K::PushButton, 1, "OK", 190, 144, 40, 14, {"BS_DEFPUSHBUTTON"}}});
}

TEST(DialogBuild, EveryKindBecomesItsWidgetWithTheTemplateText) {
  test::Recorder handler;
  QtDialog dialog(StatusTemplate(), nullptr, handler, {});

  EXPECT_EQ(dialog.TemplateId(), 101);
  EXPECT_EQ(dialog.Caption(), "Phone status");
  for (const auto& [id, widgetClass] :
       std::vector<std::pair<int, const char*>>{{1066, "QLabel"},
                                                {1012, "QLineEdit"},
                                                {1247, "QCheckBox"},
                                                {1301, "QRadioButton"},
                                                {1400, "QTreeWidget"},
                                                {1500, "QComboBox"},
                                                {1059, "QProgressBar"},
                                                {1600, "QPlainTextEdit"},
                                                {1700, "QCalendarWidget"},
                                                {1701, "QDateTimeEdit"},
                                                {1104, "QPushButton"}}) {
    const QWidget* widget = dialog.ControlWidget(id);
    EXPECT_TRUE(widget != nullptr && widget->inherits(widgetClass)) << id;
  }

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
  const ui::MenuTemplate menu{
      .id = 102,
      .items = {{.text = "&File",
                 .children =
                     {{"&Options", 40003}, {"&Download logo", 40030, true}, {}, {"&Exit", 40001}}},
                {.text = "&?", .children = {{"&Info", 40002}}}}};
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

  const auto enabled = [&] {
    return std::vector<bool>{withMenu.IsMenuItemEnabled(40003), withMenu.IsMenuItemEnabled(40030),
                             withMenu.IsMenuItemEnabled(49999)};
  };
  EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false}));  // 40030 grayed in the template
  withMenu.EnableMenuItem(40030, true);
  withMenu.EnableMenuItem(40003, false);
  EXPECT_EQ(enabled(), (std::vector<bool>{false, true, false}));

  bar->actions().at(1)->menu()->actions().at(0)->trigger();
  EXPECT_EQ(handler.commands, std::vector<int>{40002});
}

TEST(DialogBuild, TemplateStylesDisableHideAndMaskControls) {
  const auto dialogTemplate =
      test::Dialog(1, "Styles", 100, 60,
                   {{K::Edit, 10, "", 4, 4, 40, 12, {"ES_PASSWORD"}},
                    {K::PushButton, 11, "Go", 4, 20, 40, 12, {"WS_DISABLED"}},
                    {K::Static, 12, "&Name && more", 4, 36, 80, 8},
                    {K::Static, 13, "hidden", 50, 4, 40, 8, {"NOT WS_VISIBLE"}}});
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
  EXPECT_EQ(
      std::make_tuple(dialog.Text(kMissing), dialog.IsEnabled(kMissing), dialog.IsChecked(kMissing),
                      dialog.Pos(kMissing), dialog.RowCount(kMissing), dialog.FocusedRow(kMissing),
                      dialog.CurrentItem(kMissing), dialog.AddItem(kMissing, "x"),
                      dialog.InsertRow(kMissing, 0, "x")),
      std::make_tuple("", false, false, 0, 0, -1, -1, -1, -1));
  EXPECT_TRUE(dialog.SelectedRows(kMissing).empty());
  // Operations of another kind on a real control change nothing either.
  dialog.AddColumn(1012, "c", 10);
  EXPECT_EQ(dialog.ColumnCount(1012), 0);
  EXPECT_EQ(dialog.AddItem(1247, "x"), -1);
  EXPECT_EQ(dialog.Text(1012), "3");
}

}  // namespace
}  // namespace telvane::qt
