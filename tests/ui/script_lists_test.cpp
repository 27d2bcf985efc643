// List views, list boxes and combo boxes driven by scripts, the dump form, and the list
// helpers of the window kit.

#include <gtest/gtest.h>

#include "config/profile_file.h"
#include "config/settings.h"
#include "support/temp_dir.h"
#include "ui/test_program.h"
#include "ui/window_kit.h"

namespace telvane::ui {
namespace {

using headless::HeadlessUi;
using test::LambdaHandler;
using test::Play;

// A phone book like list: two columns, sorted by the clicked column; Delete removes the
// focused row; a double click shows the row's data in 1066.
struct BookWindow {
  std::vector<ControlEvent> events;
  LambdaHandler handler;

  BookWindow() {
    handler.init = [](Dialog& d) {
      d.AddListStyle(1072, kListFullRowSelect);
      d.AddColumn(1072, "Name", 100);
      d.AddColumn(1072, "Number", 80);
      const char* rows[][2] = {{"Carl", "+4930"}, {"Anna", "0171"}, {"Bert", "555"}};
      for (int i = 0; i < 3; ++i) {
        const int row = d.InsertRow(1072, i, rows[i][0], 100 + i);
        d.SetCell(1072, row, 1, rows[i][1]);
      }
    };
    handler.event = [this](Dialog& d, const ControlEvent& e) {
      events.push_back(e);
      if (e.kind == EventKind::HeaderClicked) {
        d.SortRows(1072, [&](const ListRow& a, const ListRow& b) {
          return a.cells[e.column] < b.cells[e.column];
        });
      } else if (e.kind == EventKind::KeyPressed && e.key == Key::Delete && e.row >= 0) {
        d.DeleteRow(1072, e.row);
      } else if (e.kind == EventKind::DoubleClicked) {
        d.SetText(1066, std::to_string(d.RowData(1072, e.row)));
      }
    };
  }
  void operator()(HeadlessUi& ui) { ui.RunModal(101, handler, nullptr); }
};

// An in-place edit selects its row and hands the typed text to the window, which decides
// what the cell shows; lists without LVS_EDITLABELS take no edits.
TEST(ScriptLists, EditEndsAnInPlaceEditWithTheTypedText) {
  LambdaHandler handler;
  handler.init = [](Dialog& d) {
    d.AddColumn(1174, "Text", 100);
    d.InsertRow(1174, 0, "one");
    d.InsertRow(1174, 1, "two");
  };
  handler.event = [](Dialog& d, const ControlEvent& e) {
    if (e.kind == EventKind::EditEnded) d.SetCell(1174, e.row, e.column, e.text + "!");
  };
  const auto run = Play(
      "edit 1174 1 new text #1#\n"
      "expect cell 1174 1 0 new text #1#!\n"
      "expect rows 1174 1\n"
      "edit 1174 0\n"
      "expect cell 1174 0 0 !\n"
      "edit 1072 0 x\n",
      [&](HeadlessUi& ui) { ui.RunModal(101, handler, nullptr); });
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("test.ui:6: edit: list 1072 has no cells to edit in place"),
            std::string::npos)
      << run.err;
}

// Rows sort with their selection; keys, double and right clicks report the focused row,
// a right click before any row has the focus reports none.
TEST(ScriptLists, RowsSortSelectionAndKeys) {
  BookWindow window;
  const auto run = Play(
      "rclick 1072\n"
      "expect rowcount 1072 3\n"
      "expect cell 1072 0 1 +4930\n"
      "rows 1072 2 0\n"
      "expect rows 1072 0 2\n"
      "header 1072 0\n"
      "expect cell 1072 0 0 Anna\n"
      "expect cell 1072 2 0 Carl\n"
      "# the selection moved with its rows: Bert and Carl\n"
      "expect rows 1072 1 2\n"
      "key 1072 delete\n"
      "expect rowcount 1072 2\n"
      "expect cell 1072 1 0 Carl\n"
      "dblclick 1072 1\n"
      "expect text 1066 100\n"
      "expect rows 1072 1\n"
      "rclick 1072\n",
      [&](HeadlessUi& ui) { window(ui); });
  EXPECT_EQ(run.status, 0) << run.err;
  // Each event's kind and row: the first row named gets the focus; Bert, focused, is at row 1
  // after the sort.
  std::vector<std::pair<EventKind, int>> seen;
  for (const ControlEvent& e : window.events) seen.emplace_back(e.kind, e.row);
  EXPECT_EQ(seen, (std::vector<std::pair<EventKind, int>>{{EventKind::RightClicked, -1},
                                                          {EventKind::SelectionChanged, 2},
                                                          {EventKind::HeaderClicked, -1},
                                                          {EventKind::KeyPressed, 1},
                                                          {EventKind::DoubleClicked, 1},
                                                          {EventKind::RightClicked, 1}}));
}

TEST(ScriptLists, RowsAndColumnsOutOfRangeAreScriptErrors) {
  for (const char* script : {"rows 1072 3\n", "dblclick 1072 -1\n", "header 1072 2\n",
                             "rows 1066 0\n", "rows 4711 0\n"}) {
    BookWindow window;
    const auto run = Play(script, [&](HeadlessUi& ui) { window(ui); });
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_TRUE(window.events.empty()) << script;
  }
}

TEST(ScriptLists, ComboAndListBoxSelection) {
  std::vector<ControlEvent> events;
  const auto run = test::PlayMain(
      "expect current 1050 -1\n"
      "select 1050 1\n"
      "expect current 1050 1\n"
      "expect text 1050 COM2\n"
      "expect item 1009 0 Anna\n"
      "expect rowcount 1009 2\n"
      "dblclick 1009 1\n"
      "expect current 1009 1\n"
      "select 1050 2\n",
      [&](LambdaHandler& main, HeadlessUi&) {
        main.init = [](Dialog& d) {
          for (const char* item : {"COM1", "COM2"}) d.AddItem(1050, item);
          for (const char* item : {"Anna", "Bert"}) d.AddItem(1009, item);
        };
        main.event = [&](Dialog&, const ControlEvent& e) { events.push_back(e); };
      });
  EXPECT_EQ(run.status, 2) << "item 2 does not exist";
  EXPECT_NE(run.err.find("test.ui:9: select: control 1050 has no item 2 (2 items)"),
            std::string::npos)
      << run.err;
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].kind, EventKind::SelectionChanged);
  EXPECT_EQ(events[1].kind, EventKind::DoubleClicked);
  EXPECT_EQ(events[1].row, 1);
}

TEST(ScriptLists, DumpShowsStateInAStableForm) {
  BookWindow window;
  window.handler.command = [](Dialog&, int) {};
  const auto init = window.handler.init;
  window.handler.init = [&](Dialog& d) {
    init(d);
    d.SetText(1066, "Zeile\n\"zwei\"");
    d.AddTooltip(1025, 1);
    d.SetRange(1059, 0, 10);
    d.SetPos(1059, 4);
    d.SetBitmap(1104, 127);
    d.SetFocusedRow(1072, 0);
  };
  const auto run = Play(
      "rows 1072 1\n"
      "click 1247\n"
      "dump 1066\ndump 1025\ndump 1247\ndump 1059\ndump 1104\ndump 1072\ndump 40030\n",
      [&](HeadlessUi& ui) { window(ui); });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "control 1066 Static text=\"Zeile\\n\\\"zwei\\\"\" enabled=on visible=on\n"
            "control 1025 PushButton text=\"Phonebook\" enabled=on visible=on tooltip=1\n"
            "control 1247 CheckBox text=\"Tone off\" enabled=on visible=on checked=on\n"
            "control 1059 Progress text=\"\" enabled=on visible=on pos=4 range=0..10\n"
            "control 1104 BitmapButton text=\"\" enabled=on visible=on bitmap=127\n"
            "control 1072 ListView text=\"\" enabled=on visible=on style=0x20 focused=1 rows=3\n"
            "  column 0 \"Name\" width=100\n"
            "  column 1 \"Number\" width=80\n"
            "  row 0 data=100: \"Carl\" | \"+4930\"\n"
            "  row 1 data=101 selected focused: \"Anna\" | \"0171\"\n"
            "  row 2 data=102: \"Bert\" | \"555\"\n"
            "menu 40030 \"&Download logo\" enabled=off checked=off\n");
}

// Column widths come from their saved family and go back to it.
TEST(WindowKit, ColumnWidthsComeFromAndGoToTheirFamily) {
  telvane::testing::TempDir dir;
  config::ProfileFile profile(dir / "Telvane.ini", "Telvane");
  std::array<int, 3> widths{0, 150, 0};
  const auto run = test::PlayMain("", [&](LambdaHandler& main, HeadlessUi&) {
    main.init = [&](Dialog& dialog) {
      const ColumnSpec columns[] = {{"Name", 120}, {"Number", 90}, {"Pos", 40}};
      InsertColumns(dialog, 1072, columns, widths);
      EXPECT_EQ(dialog.ColumnWidth(1072, 0), 120);  // 0: not saved yet
      EXPECT_EQ(dialog.ColumnWidth(1072, 1), 150);
      dialog.SetColumnWidth(1072, 2, 55);
      ReadColumnWidths(dialog, 1072, widths);
      dialog.End(kIdOk);
    };
  });
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(widths, (std::array<int, 3>{120, 150, 55}));
  config::WriteKeyFamily(profile, "TCol", widths);
  const config::Settings reread =
      config::ReadAllSettings(config::ProfileFile(dir / "Telvane.ini", "Telvane"));
  EXPECT_EQ(reread.tCol, (std::array<int, 3>{120, 150, 55}));
}

}  // namespace
}  // namespace telvane::ui
