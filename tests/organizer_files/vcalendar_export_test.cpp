// The vCalendar export of one row: exact bytes with the start in UTC, a file written
// without following a planted link, and what an independent reader (Python's icalendar)
// and our own drop reader get back from it.
#include "organizer/vcalendar_export.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "organizer/vcalendar_reader.h"
#include "support/child_process.h"
#include "support/temp_dir.h"
#include "tz_guard.h"

namespace telvane::organizer {
namespace {

namespace fs = std::filesystem;

OrganizerEntry Row(std::string date, std::string time, std::string text, std::string alarm) {
  OrganizerEntry row;
  row.slot = 7;
  row.state = SlotState::kOccupied;
  row.date = std::move(date);
  row.time = std::move(time);
  row.description = std::move(text);
  row.alarm = std::move(alarm);
  return row;
}

const OrganizerEntry kParty = Row("2001/12/24", "18:30",
                                  "Gr\xFC\xDF"
                                  "e; a,b\\c",
                                  "*");  // Latin-1

TEST(VcalendarExport, StartInUtcTextEscapedInUtf8) {
  TimeZoneGuard zone("Europe/Berlin");
  EXPECT_EQ(VcalendarExportText(kParty),
            "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n"
            "DTSTART:20011224T173000Z\r\nDTEND:20011224T173000Z\r\n"
            "SUMMARY;CHARSET=UTF-8:Gr\xC3\xBC\xC3\x9F"
            "e\\; a\\,b\\\\c\r\n"
            "DALARM:20011224T173000Z\r\nAALARM:20011224T173000Z\r\n"
            "END:VEVENT\r\nEND:VCALENDAR\r\n");
  // Summer time, across midnight, an empty time as 00:00, a long text folded.
  EXPECT_EQ(VcalendarExportText(Row("2001/07/01", "00:30", "plain", "")),
            "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n"
            "DTSTART:20010630T223000Z\r\nDTEND:20010630T223000Z\r\nSUMMARY:plain\r\n"
            "END:VEVENT\r\nEND:VCALENDAR\r\n");
  const std::string folded = *VcalendarExportText(Row("2002/01/01", "", std::string(80, 'x'), ""));
  EXPECT_NE(folded.find("DTSTART:20011231T230000Z\r\n"), std::string::npos);
  EXPECT_NE(
      folded.find("SUMMARY:" + std::string(67, 'x') + "\r\n " + std::string(13, 'x') + "\r\n"),
      std::string::npos);
  EXPECT_EQ(VcalendarExportText(Row("", "18:30", "no date", "")), std::nullopt);
  EXPECT_EQ(VcalendarExportText(Row("2001/02/29", "18:30", "no such day", "")), std::nullopt);
}

TEST(VcalendarExport, ReplacesAPlantedLinkInsteadOfWritingThroughIt) {
  TimeZoneGuard zone("UTC");
  testing::TempDir dir;
  testing::WriteFile(dir / "victim", "keep");
  ASSERT_EQ(::symlink((dir / "victim").c_str(), (dir / "TelvaneORGA.vcs").c_str()), 0);
  ASSERT_TRUE(ExportOrganizerVcalendar(kParty, dir.Path()).done);
  EXPECT_EQ(testing::ReadFile(dir / "victim"), "keep");
  EXPECT_FALSE(fs::is_symlink(dir / "TelvaneORGA.vcs"));
  EXPECT_EQ(testing::ReadFile(dir / "TelvaneORGA.vcs"), *VcalendarExportText(kParty));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 2);

  EXPECT_EQ(ExportOrganizerVcalendar(kParty, dir / "missing").messageId, 25);
  const base::Outcome noDate = ExportOrganizerVcalendar(Row("", "", "x", ""), dir.Path());
  EXPECT_FALSE(noDate.done);
  EXPECT_EQ(noDate.messageId, 0);
}

// The Debian package python3-icalendar installs for the system's own interpreter.
std::string Python() {
  return ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

TEST(VcalendarExport, PythonsIcalendarAndOurReaderGetTheEntryBack) {
  TimeZoneGuard zone("Europe/Berlin");
  testing::TempDir dir;
  ASSERT_TRUE(ExportOrganizerVcalendar(kParty, dir.Path()).done);
  const fs::path party = dir / "TelvaneORGA.vcs";
  const fs::path longText = dir / "long.vcs";
  testing::WriteFile(
      longText,
      *VcalendarExportText(Row("2024/02/29", "00:15", std::string(70, 'y') + "\xE4\xF6\xFC", "")));

  ASSERT_EQ(testing::RunProgram({Python(), "-c", "import icalendar"}).status, 0)
      << "python3-icalendar is missing: scripts/deps installs it";
  const testing::ProgramRun read =
      testing::RunProgram({Python(), TELVANE_ORGANIZER_TEST_DIR "/read_vcalendar.py",
                           party.string(), longText.string()});
  EXPECT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out,
            "summary: Gr\xC3\xBC\xC3\x9F"
            "e; a,b\\c\n"
            "start: 2001-12-24T17:30:00+00:00\n"
            "end: 2001-12-24T17:30:00+00:00\n"
            "dalarm: 20011224T173000Z\n"
            "aalarm: 20011224T173000Z\n"
            "summary: " +
                std::string(70, 'y') +
                "\xC3\xA4\xC3\xB6\xC3\xBC\n"
                "start: 2024-02-28T23:15:00+00:00\n"
                "end: 2024-02-28T23:15:00+00:00\n");

  // Dropped back on the organizer: the local time and the Latin-1 text again.
  const std::optional<CalendarEvent> event = ReadCalendarFile(party);
  ASSERT_TRUE(event);
  EXPECT_EQ(event->start, (CivilTime{2001, 12, 24, 18, 30}));
  EXPECT_EQ(event->summary,
            "Gr\xFC\xDF"
            "e; a,b\\c");
  EXPECT_EQ(ReadCalendarFile(longText)->start, (CivilTime{2024, 2, 29, 0, 15}));
  EXPECT_EQ(ReadCalendarFile(longText)->summary, std::string(70, 'y') + "\xE4\xF6\xFC");
}

}  // namespace
}  // namespace telvane::organizer
