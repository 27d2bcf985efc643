// List views: rows, cells, 64-bit data, selection, focus, sorting and the events the
// program's lists act on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include "qt/qt_dialog.h"
#include "qt/templates.h"

namespace telvane::qt {
namespace {

using test::K;
using ui::EventKind;

constexpr int kList = 1026;

class ListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog.AddColumn(kList, "Name", 120);
    dialog.AddColumn(kList, "Number", 90);
    const char* names[] = {"Carla", "anna", "Bert"};
    for (int i = 0; i < 3; ++i) {
      const int row = dialog.InsertRow(kList, i, names[i], 1000 + i);
      dialog.SetCell(kList, row, 1, "+49" + std::to_string(i));
    }
  }
  void TearDown() override { dialog.End(0); }

  QTreeWidget& Tree() { return *qobject_cast<QTreeWidget*>(dialog.ControlWidget(kList)); }
  QPoint RowCentre(int row) { return Tree().visualItemRect(Tree().topLevelItem(row)).center(); }
  // Each row as "cells... data".
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int row = 0; row < dialog.RowCount(kList); ++row) {
      rows.push_back(dialog.Cell(kList, row, 0) + " " + dialog.Cell(kList, row, 1) + " " +
                     std::to_string(dialog.RowData(kList, row)));
    }
    return rows;
  }
  std::vector<ui::ControlEvent> EventsOf(EventKind kind) const {
    std::vector<ui::ControlEvent> found;
    for (const auto& event : handler.events) {
      if (event.kind == kind) found.push_back(event);
    }
    return found;
  }

  test::Recorder handler;
  QtDialog dialog{test::Dialog(105, "Phonebook", 240, 140,
                               {{K::ListView, kList, "", 4, 4, 232, 110, {"LVS_REPORT"}},
                                {K::PushButton, 1, "OK", 190, 120, 40, 14}}),
                  nullptr,
                  handler,
                  {}};
};

TEST_F(ListViewTest, RowsCellsAndDataAreKeptPerRow) {
  EXPECT_EQ(dialog.ColumnCount(kList), 2);
  EXPECT_EQ(dialog.ColumnWidth(kList, 0), 120);
  dialog.SetColumnWidth(kList, 1, 70);
  EXPECT_EQ(dialog.ColumnWidth(kList, 1), 70);
  EXPECT_EQ(dialog.ColumnWidth(kList, 5), 0);
  EXPECT_EQ(Tree().headerItem()->text(1), "Number");

  EXPECT_EQ(Rows(),
            (std::vector<std::string>{"Carla +490 1000", "anna +491 1001", "Bert +492 1002"}));

  // Inserting in the middle moves the rows below, with their data.
  EXPECT_EQ(dialog.InsertRow(kList, 1, "Dora", -5), 1);
  dialog.SetRowData(kList, 0, 0x7FFFFFFFFFFFLL);
  // Past the end appends.
  EXPECT_EQ(dialog.InsertRow(kList, 99, "Emil"), 4);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Carla +490 140737488355327", "Dora  -5",
                                              "anna +491 1001", "Bert +492 1002", "Emil  0"}));
  dialog.DeleteRow(kList, 1);
  EXPECT_EQ(dialog.Cell(kList, 1, 0), "anna");
  EXPECT_EQ(dialog.Cell(kList, 9, 0), "");
  EXPECT_EQ(dialog.RowData(kList, 9), 0);
  dialog.DeleteAllRows(kList);
  EXPECT_EQ(dialog.RowCount(kList), 0);
}

TEST_F(ListViewTest, SelectionAndFocusAreSeparate) {
  dialog.SelectRow(kList, 0, true);
  dialog.SelectRow(kList, 2, true);
  EXPECT_EQ(dialog.SelectedRows(kList), (std::vector<int>{0, 2}));
  EXPECT_EQ(dialog.FocusedRow(kList), -1);
  dialog.SetFocusedRow(kList, 1);
  EXPECT_EQ(dialog.FocusedRow(kList), 1);
  EXPECT_EQ(dialog.SelectedRows(kList), (std::vector<int>{0, 2}));
  dialog.SelectRow(kList, 0, false);
  EXPECT_EQ(dialog.SelectedRows(kList), (std::vector<int>{2}));
  // The program's own selection changes are not reported as the user's.
  EXPECT_TRUE(EventsOf(EventKind::SelectionChanged).empty());
}

TEST_F(ListViewTest, SortReordersRowsWithTheirDataSelectionAndFocus) {
  dialog.SelectRow(kList, 0, true);  // Carla
  dialog.SetFocusedRow(kList, 2);    // Bert
  dialog.SortRows(kList, [](const ui::ListRow& a, const ui::ListRow& b) {
    return QString::fromLatin1(a.cells[0].c_str())
               .compare(QString::fromLatin1(b.cells[0].c_str()), Qt::CaseInsensitive) < 0;
  });
  EXPECT_EQ(Rows(),
            (std::vector<std::string>{"anna +491 1001", "Bert +492 1002", "Carla +490 1000"}));
  EXPECT_EQ(dialog.SelectedRows(kList), std::vector<int>{2});
  EXPECT_EQ(dialog.FocusedRow(kList), 1);

  // The comparison sees the data too.
  dialog.SortRows(kList,
                  [](const ui::ListRow& a, const ui::ListRow& b) { return a.data > b.data; });
  EXPECT_EQ(Rows(),
            (std::vector<std::string>{"Bert +492 1002", "anna +491 1001", "Carla +490 1000"}));
}

TEST_F(ListViewTest, FullRowSelectIsAStyleBitAddedOnce) {
  EXPECT_EQ(dialog.ListStyle(kList), 0u);
  dialog.AddListStyle(kList, ui::kListFullRowSelect);
  dialog.AddListStyle(kList, ui::kListFullRowSelect);
  EXPECT_EQ(dialog.ListStyle(kList), ui::kListFullRowSelect);
  EXPECT_TRUE(Tree().allColumnsShowFocus());
}

TEST_F(ListViewTest, UserActionsArriveAsControlEvents) {
  dialog.Open();
  QWidget* viewport = Tree().viewport();

  QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(1));
  ASSERT_FALSE(EventsOf(EventKind::SelectionChanged).empty());
  EXPECT_EQ(EventsOf(EventKind::SelectionChanged).back().controlId, kList);
  EXPECT_EQ(dialog.SelectedRows(kList), std::vector<int>{1});
  EXPECT_EQ(dialog.FocusedRow(kList), 1);

  QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(2));
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowCentre(2));
  ASSERT_EQ(EventsOf(EventKind::DoubleClicked).size(), 1u);
  EXPECT_EQ(EventsOf(EventKind::DoubleClicked)[0].row, 2);

  QHeaderView* header = Tree().header();
  const QPoint second(header->sectionViewportPosition(1) + 10, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, second);
  ASSERT_EQ(EventsOf(EventKind::HeaderClicked).size(), 1u);
  EXPECT_EQ(EventsOf(EventKind::HeaderClicked)[0].column, 1);

  Tree().setFocus();
  dialog.SetFocusedRow(kList, 0);
  QTest::keyClick(&Tree(), Qt::Key_Delete);
  QTest::keyClick(&Tree(), Qt::Key_F3);
  QTest::keyClick(&Tree(), Qt::Key_Escape);
  std::vector<std::pair<ui::Key, int>> keys;
  for (const auto& event : EventsOf(EventKind::KeyPressed)) keys.emplace_back(event.key, event.row);
  EXPECT_EQ(keys, (std::vector<std::pair<ui::Key, int>>{
                      {ui::Key::Delete, 0}, {ui::Key::F3, 0}, {ui::Key::Escape, 0}}));
  // Escape in the list is the list's key, not the dialog's Cancel.
  EXPECT_TRUE(handler.commands.empty());

  const QPoint onRow = RowCentre(2);
  QContextMenuEvent onRowClick(QContextMenuEvent::Mouse, onRow, viewport->mapToGlobal(onRow));
  QApplication::sendEvent(viewport, &onRowClick);
  const QPoint below(5, viewport->height() - 3);
  QContextMenuEvent belowClick(QContextMenuEvent::Mouse, below, viewport->mapToGlobal(below));
  QApplication::sendEvent(viewport, &belowClick);
  std::vector<int> rightClickRows;
  for (const auto& event : EventsOf(EventKind::RightClicked)) rightClickRows.push_back(event.row);
  EXPECT_EQ(rightClickRows, (std::vector<int>{2, -1}));
}

}  // namespace
}  // namespace telvane::qt

namespace telvane::qt {
namespace {

TEST_F(ListViewTest, CutTextsShowAnEllipsisAndTheLastColumnTakesTheRest) {
  EXPECT_EQ(Tree().textElideMode(), Qt::ElideRight);
  EXPECT_EQ(Tree().header()->textElideMode(), Qt::ElideRight);
  dialog.Window().show();
  QWidget& list = Tree();
  list.resize(400, 200);
  const int free = Tree().viewport()->width() - 120;
  EXPECT_EQ(Tree().columnWidth(1), free);
  // The program reads back the width it gave; the column never shrinks below it.
  EXPECT_EQ(dialog.ColumnWidth(kList, 1), 90);
  list.resize(150, 200);
  EXPECT_EQ(Tree().columnWidth(1), 90);
  // A wider first column leaves the last one less room.
  list.resize(400, 200);
  dialog.SetColumnWidth(kList, 0, 200);
  EXPECT_EQ(Tree().columnWidth(1), Tree().viewport()->width() - 200);
}

}  // namespace
}  // namespace telvane::qt
