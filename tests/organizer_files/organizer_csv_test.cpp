// Dates in the user's short date format, the CSV export's exact bytes and the CSV import.
#include "organizer/organizer_csv.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/temp_dir.h"

namespace telvane::organizer {
namespace {

using testing::ReadFile;
using testing::WriteFile;

OrganizerEntry Row(int slot, std::string date, std::string time, std::string category,
                   std::string text, std::string repeat = "", std::string alarm = "") {
  return {slot,
          SlotState::kOccupied,
          std::move(repeat),
          std::move(alarm),
          std::move(date),
          std::move(time),
          std::move(category),
          std::move(text)};
}

TEST(DateFormat, PictureGivesOrderAndSeparatorForWritingAndReading) {
  const DateFormat german = DateFormat::FromPicture("dd.MM.yyyy");
  const DateFormat us = DateFormat::FromPicture("M/d/yyyy");
  const DateFormat iso = DateFormat::FromPicture("yyyy-MM-dd");
  EXPECT_EQ(FormatDate(german, 2001, 12, 24), "24.12.2001");
  EXPECT_EQ(FormatDate(us, 2001, 12, 24), "12/24/2001");
  EXPECT_EQ(FormatDate(iso, 2001, 2, 4), "2001-02-04");
  EXPECT_EQ(FormatDate(DateFormat::FromPicture("TT.MM.JJJJ"), 2001, 2, 4), "04.02.2001");
  EXPECT_EQ(FormatDate(DateFormat::FromPicture("yyyyMMdd"), 2001, 2, 4), "2001.02.04");

  EXPECT_EQ(ParseDate(german, "24.12.2001"), (CivilTime{2001, 12, 24, 0, 0}));
  EXPECT_EQ(ParseDate(us, "2/29/2024"), (CivilTime{2024, 2, 29, 0, 0}));
  EXPECT_EQ(ParseDate(iso, " 2001-12-24 "), (CivilTime{2001, 12, 24, 0, 0}));
  // Another order, another separator, a header, no such day.
  for (const char* field : {"12.24.2001", "2001-12-24", "DATE", "29.02.2001", "24.12.", "1.2.3.4",
                            "24.12.2001x", "-1.12.2001", ""}) {
    EXPECT_EQ(ParseDate(german, field), std::nullopt) << field;
  }
  EXPECT_EQ(ParseTimeOfDay("18:30"), (CivilTime{2001, 1, 1, 18, 30}));
  EXPECT_EQ(ParseTimeOfDay("7.05:59"), (CivilTime{2001, 1, 1, 7, 5}));
  for (const char* field : {"24:00", "12:60", "TIME", "1830", "18:", ":30", "18:30 pm", ""}) {
    EXPECT_EQ(ParseTimeOfDay(field), std::nullopt) << field;
  }
}

TEST(OrganizerCsvExport, RowsWithADateInListOrderAppendedWithTheirHeader) {
  const std::vector<OrganizerEntry> rows = {
      Row(3, "2001/12/24", "18:30", "MEETING", "Xmas; party, \"A\"", "Weekly", "*"),
      Row(1, "", "", "", ""),
      Row(2, "2024/02/29", "07:05", "OTHER WORD", "M\xFCller\r\nX", "Daily"),
      Row(4, "2002/01/01", "00:00", "PHONE CALL", "+4930", "Fortnightly"),
  };
  EXPECT_EQ(CsvExportText(rows, 9, DateFormat::FromPicture("dd.MM.yyyy")),
            "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
            "24.12.2001;18:30;1;1;Xmas  party  \"A\";2\r\n"
            "29.02.2024;07:05;0;0;M\xFCller  X;1\r\n"
            "01.01.2002;00:00;0;3;+4930;0\r\n");
  // German labels; a category word the phone sent of its own counts by its keyword.
  const std::vector<OrganizerEntry> german = {
      Row(1, "2001/12/24", "18:30", "Anruf", "0301",
          "W\xF6"
          "chentlich"),
      Row(2, "2001/12/25", "08:00", "MEETING", "x"),
  };
  EXPECT_EQ(CsvExportText(german, 7, DateFormat::FromPicture("M/d/yyyy")),
            "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
            "12/24/2001;18:30;0;3;0301;2\r\n"
            "12/25/2001;08:00;0;1;x;0\r\n");

  testing::TempDir dir;
  const auto file = dir / "o.csv";
  const DateFormat iso = DateFormat::FromPicture("yyyy-MM-dd");
  ASSERT_TRUE(ExportOrganizerCsv({}, file, 9, iso).done);
  ASSERT_TRUE(ExportOrganizerCsv(std::vector{rows[0]}, file, 9, iso).done);
  EXPECT_EQ(ReadFile(file),
            "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
            "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
            "2001-12-24;18:30;1;1;Xmas  party  \"A\";2\r\n");
  const base::Outcome failed = ExportOrganizerCsv(rows, dir / "no" / "o.csv", 9, iso);
  EXPECT_FALSE(failed.done);
  EXPECT_EQ(failed.messageId, 25);
}

struct Imported {
  CsvImportResult result;
  std::vector<EntryValues> entries;
};

Imported Import(const std::string& content, const char* picture, std::size_t room = 50) {
  testing::TempDir dir;
  WriteFile(dir / "in.csv", content);
  Imported imported;
  imported.result = ImportOrganizerCsv(dir / "in.csv", DateFormat::FromPicture(picture),
                                       [&](const EntryValues& values) {
                                         imported.entries.push_back(values);
                                         return imported.entries.size() < room;
                                       });
  return imported;
}

TEST(OrganizerCsvImport, LinesOfBothHeadersWithEveryLineEnd) {
  const Imported semicolons = Import(
      "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
      "24.12.2001;18:30;1;1;Xmas, party;2\r\n"
      "\r\n"
      "29.02.2024;7:05;0;9;x;5\n"
      "01.01.2002;00:00;2;3;+4930;4",
      "dd.MM.yyyy");
  EXPECT_EQ(semicolons.result.messageId, 0);
  EXPECT_EQ(semicolons.result.skipped, 0);
  ASSERT_EQ(semicolons.entries.size(), 3u);
  const EntryValues& first = semicolons.entries[0];
  EXPECT_EQ(std::tie(first.year, first.month, first.day, first.hour, first.minute),
            std::make_tuple(2001, 12, 24, 18, 30));
  EXPECT_EQ(std::tie(first.category, first.repeat, first.alarm), std::make_tuple(1, 2, true));
  EXPECT_EQ(first.description, "Xmas, party");  // the last character is kept
  const EntryValues& second = semicolons.entries[1];
  EXPECT_EQ(std::tie(second.day, second.hour, second.minute, second.category, second.repeat),
            std::make_tuple(29, 7, 5, 0, 0));  // numbers out of range give 0
  EXPECT_EQ(semicolons.entries[2].description, "+4930");
  EXPECT_EQ(semicolons.entries[2].repeat, 4);
  EXPECT_FALSE(semicolons.entries[2].alarm);

  const Imported commas =
      Import("DATE,TIME,ALARM,CATEGORY,TEXT\n12/24/2001,18:30,1,2,Hi\n", "M/d/yyyy");
  ASSERT_EQ(commas.entries.size(), 1u);
  EXPECT_EQ(std::tie(commas.entries[0].month, commas.entries[0].day, commas.entries[0].category,
                     commas.entries[0].repeat, commas.entries[0].description),
            std::make_tuple(12, 24, 2, 0, std::string("Hi")));
}

TEST(OrganizerCsvImport, InvalidLinesAreSkippedAndCountedNeverTakingAnotherLinesDate) {
  const Imported mixed = Import(
      "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"
      "2001-12-24;18:30;0;0;first;0\r\n"
      "DATE;TIME;ALARM;CATEGORY;TEXT;RRULE\r\n"  // a second export appended
      "12/24/2001;18:30;0;0;other order;0\r\n"
      "2001-12-25;25:00;0;0;bad time;0\r\n"
      "2001-12-26;09:15;0;0;last;0\r\n" +
          std::string(2000, 'x') + "\r\n",
      "yyyy-MM-dd");
  ASSERT_EQ(mixed.entries.size(), 2u);
  EXPECT_EQ(mixed.entries[1].description, "last");
  EXPECT_EQ(mixed.entries[1].day, 26);
  EXPECT_EQ(mixed.result.skipped, 4);

  // The organizer is full after one entry: the lines after it count as not imported.
  const Imported full = Import(
      "DATE;TIME;ALARM;CATEGORY;TEXT\n2001-12-24;18:30;0;0;a\n2001-12-24;18:30;0;0;b\n"
      "2001-12-24;18:30;0;0;c\n",
      "yyyy-MM-dd", 1);
  EXPECT_EQ(full.entries.size(), 1u);
  EXPECT_EQ(full.result.skipped, 2);

  EXPECT_EQ(Import("NR;NAME;TELNUM\n", "yyyy-MM-dd").result.messageId, 37);
  EXPECT_EQ(Import("", "yyyy-MM-dd").result.messageId, 37);
  EXPECT_EQ(ImportOrganizerCsv("/nonexistent/in.csv", {}, [](const EntryValues&) { return true; })
                .messageId,
            25);
}

}  // namespace
}  // namespace telvane::organizer
