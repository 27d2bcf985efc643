// The organizer window's file commands on the headless backend over a window standing in
// for the organizer: file dialogs, messages, the shell, the rows written and the entry
// controls left behind.
#include <gtest/gtest.h>

#include <sstream>

#include "organizer/windows/organizer_file_commands.h"
#include "support/temp_dir.h"
#include "tz_guard.h"
#include "ui/headless/run_script.h"
#include "ui/resources.h"

namespace telvane::organizer {
namespace {

// The organizer window's own template, run by a stand-in handler.
constexpr int kWindow = 108;

// Slots 1 to 3: slot 2 holds an entry, 1 and 3 are free; entries go to the first free one.
class FakeRows : public OrganizerRows {
 public:
  FakeRows() {
    rows_ = {{1, SlotState::kEmpty},
             {2, SlotState::kOccupied, "", "*", "2001/12/24", "18:30", "MEETING", "Party & more"},
             {3, SlotState::kEmpty}};
  }
  std::vector<OrganizerEntry> RowsInListOrder() const override { return rows_; }
  std::optional<OrganizerEntry> FocusedRow() const override {
    if (focus < 0) return std::nullopt;
    return rows_[static_cast<std::size_t>(focus)];
  }
  bool AddEntry(const EntryValues& values) override {
    added.push_back(values);
    return Take();
  }
  bool ImportEntry(const EntryValues& values) override {
    imported.push_back(values);
    return Take();
  }

  int focus = -1;
  std::vector<EntryValues> added, imported;

 private:
  bool Take() {
    for (OrganizerEntry& row : rows_) {
      if (row.state != SlotState::kEmpty) continue;
      row.state = SlotState::kOccupied;
      row.date = "2001/01/01";
      return true;
    }
    return false;
  }
  std::vector<OrganizerEntry> rows_;
};

class FileCommandsTest : public ::testing::Test {
 protected:
  FileCommandsTest() {
    context_.shortDateFormat = "dd.MM.yyyy";
    context_.tempFolder = dir_.Path().string() + "/";
  }

  // Runs `action` in the stand-in window, with the entry controls set to an entry in
  // progress; returns the message lines.
  std::string Run(const std::string& script,
                  const std::function<void(ui::headless::HeadlessUi&, ui::Dialog&)>& action) {
    struct Window : ui::DialogHandler {
      std::function<void(ui::Dialog&)> init;
      void OnInit(ui::Dialog& dialog) override { init(dialog); }
    } window;
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = ui::headless::RunScript(
        in, "test", out, err, ui::Resources::Embedded(), 9, [&](ui::headless::HeadlessUi& ui) {
          window.init = [&](ui::Dialog& dialog) {
            dialog.AddItem(1050, "a");
            dialog.AddItem(1050, "b");
            dialog.SetCurrentItem(1050, 1);
            dialog.AddItem(1067, "a");
            dialog.AddItem(1067, "b");
            dialog.SetCurrentItem(1067, 1);
            dialog.SetChecked(1205, true);
            dialog.SetText(1051, "typing");
            dialog.SetDate(1049, {2001, 1, 2});
            action(ui, dialog);
            shell_ = ui.ShellRequests();
            controls_ = {dialog.CurrentItem(1050), dialog.CurrentItem(1067),
                         dialog.IsChecked(1205) ? 1 : 0, dialog.GetDate(1049).year};
            description_ = dialog.Text(1051);
            dialog.End(ui::kIdOk);
          };
          ui.RunModal(kWindow, window, nullptr);
        });
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
  }

  std::string Command(const std::string& script, int command) {
    return Run(script, [&](ui::headless::HeadlessUi& ui, ui::Dialog& window) {
      EXPECT_TRUE(RunFileCommand(context_, ui, window, rows_, command));
    });
  }

  testing::TempDir dir_;
  config::AppContext context_{config::ProfileFile(dir_ / "Telvane.ini", "Telvane"),
                              link::MakeSystemIrdaProvider(), nullptr, link::ExchangeTiming{}};
  FakeRows rows_;
  std::vector<std::string> shell_;
  std::vector<int> controls_;  // category, repeat, alarm, calendar year
  std::string description_;
};

TEST_F(FileCommandsTest, ExportsWriteTheirFilesAndOpenThemWithTheShell) {
  const std::string csv = (dir_ / "o.csv").string();
  EXPECT_EQ(Command("file " + csv + "\n", 40024), "");
  EXPECT_EQ(testing::ReadFile(csv),
            "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n24.12.2001;18:30;1;1;Party & more;0\r\n");
  EXPECT_EQ(shell_, std::vector{csv});

  EXPECT_EQ(Command("file -\n", 40052), "");
  EXPECT_EQ(Command("file " + (dir_ / "no" / "o.xml").string() + "\n", 40052),
            "message 25 Telvane Error: Can't open export file\n");
  EXPECT_TRUE(shell_.empty());

  TimeZoneGuard zone("UTC");
  EXPECT_EQ(Command("", 40055), "");  // no row has the focus
  rows_.focus = 0;                    // an empty row
  EXPECT_EQ(Command("", 40055), "");
  EXPECT_TRUE(shell_.empty());
  rows_.focus = 1;
  EXPECT_EQ(Command("", 40055), "");
  EXPECT_EQ(shell_, std::vector{(dir_ / "TelvaneORGA.vcs").string()});
  EXPECT_EQ(controls_, (std::vector{1, 1, 1, 2001}));  // exports leave the controls alone
}

TEST_F(FileCommandsTest, CsvImportAddsGoodLinesReportsTheOthersAndResetsTheControls) {
  const std::string csv = (dir_ / "in.csv").string();
  testing::WriteFile(csv,
                     "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
                     "24.12.2001;18:30;1;1;one;2\r\n"
                     "2001-12-24;18:30;1;1;other order;2\r\n"
                     "25.12.2001;08:00;0;3;+4930;0\r\n"
                     "26.12.2001;09:00;0;0;no room;0\r\n"
                     "27.12.2001;09:00;0;0;late;0\r\n");
  // The window would show "No free entry found" for the third entry; the import stops there.
  EXPECT_EQ(Command("file " + csv + "\n", 40026),
            "message 300 Telvane Error: Lines that could not be imported: 2\n");
  ASSERT_EQ(rows_.added.size(), 3u);
  EXPECT_EQ(rows_.added[0].description, "one");
  EXPECT_EQ(rows_.added[1].category, 3);
  EXPECT_EQ(controls_[0], 0);
  EXPECT_EQ(controls_[1], 0);
  EXPECT_EQ(controls_[2], 0);
  EXPECT_GE(controls_[3], 2024);  // today
  EXPECT_EQ(description_, "");

  testing::WriteFile(csv, "NR;NAME;TELNUM\r\n");
  EXPECT_EQ(Command("file " + csv + "\n", 40026),
            "message 37 Telvane Error: Unsuitable file header\n");
  EXPECT_EQ(controls_, (std::vector{1, 1, 1, 2001}));
  Run("", [&](ui::headless::HeadlessUi& ui, ui::Dialog& window) {
    EXPECT_FALSE(RunFileCommand(context_, ui, window, rows_, 40049));
  });
}

TEST_F(FileCommandsTest, DroppedCalendarFilesByNameOnly) {
  testing::WriteFile(dir_ / "plan.VCS",
                     "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20011224T183000\r\n"
                     "CATEGORIES:MEETING\r\nRRULE:W1\r\nDALARM:20011224T183000\r\n"
                     "SUMMARY:Xmas\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  std::filesystem::create_directory(dir_ / "old.vcs");
  testing::WriteFile(dir_ / "old.vcs" / "notes.txt", testing::ReadFile(dir_ / "plan.VCS"));
  testing::WriteFile(dir_ / "cut.vcs", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:2001");
  EXPECT_EQ(Run("",
                [&](ui::headless::HeadlessUi& ui, ui::Dialog& window) {
                  ImportDroppedFiles(
                      context_, ui, window, rows_,
                      {(dir_ / "old.vcs" / "notes.txt").string(), (dir_ / "cut.vcs").string(),
                       (dir_ / "plan.VCS").string(), (dir_ / "gone.vcs").string()});
                }),
            "");
  ASSERT_EQ(rows_.imported.size(), 1u);
  const EntryValues& entry = rows_.imported[0];
  EXPECT_EQ(std::tie(entry.category, entry.repeat, entry.alarm, entry.description),
            std::make_tuple(2, 0, false, std::string("Xmas")));
  EXPECT_EQ(std::tie(entry.year, entry.month, entry.day, entry.hour, entry.minute),
            std::make_tuple(2001, 12, 24, 18, 30));
}

}  // namespace
}  // namespace telvane::organizer
