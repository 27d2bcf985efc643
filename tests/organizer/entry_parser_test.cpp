// The row a slot's vCalendar text gives, and the values the modify dialog reads back.
#include <gtest/gtest.h>

#include "config/locale_info.h"
#include "organizer/organizer_reading.h"
#include "organizer/organizer_row_values.h"

namespace telvane::organizer {
namespace {

using config::kLangEnglish;
using config::kLangFrench;
using config::kLangGerman;

std::string Event(const std::string& lines) {
  return "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n" + lines +
         "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

TEST(EntryParser, ShowsEveryPropertyInTheLanguage) {
  const std::string text = Event(
      "CATEGORIES:MEETING\r\nRRULE:W1\r\nDTSTART:20011224T183000Z\r\n"
      "DALARM:20011224T183000\r\nDESCRIPTION:Xmas party\r\n");
  const OrganizerEntry german = ParseEntryText(text, 7, kLangGerman);
  EXPECT_EQ(german.slot, 7);
  EXPECT_EQ(german.state, SlotState::kOccupied);
  EXPECT_EQ(german.repeat,
            "W\xF6"
            "chentlich");
  EXPECT_EQ(german.alarm, "*");
  EXPECT_EQ(german.date, "2001/12/24");
  EXPECT_EQ(german.time, "18:30");
  EXPECT_EQ(german.category, "Meeting");
  EXPECT_EQ(german.description, "Xmas party");
  EXPECT_EQ(ParseEntryText(text, 7, kLangFrench).repeat, "Hebdomadaire");
}

TEST(EntryParser, CategoriesMatchingNoKeywordAndEnglishValuesAsReceived) {
  const std::string other = Event("CATEGORIES:OTHER\r\n");
  EXPECT_EQ(ParseEntryText(other, 1, kLangGerman).category, "Geburtstag");
  EXPECT_EQ(ParseEntryText(other, 1, kLangEnglish).category, "OTHER");
  EXPECT_EQ(ParseEntryText(Event("CATEGORIES:X;PHONE CALL\r\n"), 1, kLangGerman).category, "Anruf");
}

TEST(EntryParser, RulesDatesAndLineEndsOfOtherPrograms) {
  // Only the first letter of a rule counts; another letter is shown as a single date.
  EXPECT_EQ(ParseEntryText(Event("RRULE:MD1 31 #0\r\n"), 1, kLangEnglish).repeat, "Monthly");
  EXPECT_EQ(ParseEntryText(Event("RRULE:D1\r\n"), 1, kLangEnglish).repeat, "Daily");
  EXPECT_EQ(ParseEntryText(Event("RRULE:YM1 6 #0\r\n"), 1, kLangEnglish).repeat, "Yearly");
  EXPECT_EQ(ParseEntryText(Event("RRULE:X1\r\n"), 1, kLangEnglish).repeat, "");
  // An alarm without a rule.
  const OrganizerEntry alarm = ParseEntryText(Event("DALARM:20011224T183000\r\n"), 1, 9);
  EXPECT_EQ(alarm.alarm, "*");
  EXPECT_EQ(alarm.repeat, "");
  // A date without a time, letters or a month 13: no date and no time.
  for (const char* start : {"20011224", "2001122AT1830", "20011324T1830", "20011224T2460"}) {
    const OrganizerEntry row =
        ParseEntryText(Event(std::string("DTSTART:") + start + "\r\n"), 1, kLangEnglish);
    EXPECT_EQ(row.date, "") << start;
    EXPECT_EQ(row.time, "") << start;
  }
  // LF line ends; a description running to the end of a cut text is not shown.
  const OrganizerEntry lf =
      ParseEntryText("BEGIN:VEVENT\nDTSTART:20260101T0930\nDESCRIPTION:Arzt\n", 2, 9);
  EXPECT_EQ(lf.date, "2026/01/01");
  EXPECT_EQ(lf.time, "09:30");
  EXPECT_EQ(lf.description, "Arzt");
  EXPECT_EQ(ParseEntryText("DESCRIPTION:cut he", 3, 9).description, "");
}

TEST(RowValues, ColumnsGiveTheBoxesAnIndexAlways) {
  EXPECT_EQ(CategoryIndexOfColumn(kLangGerman, "Anruf"), 3);
  EXPECT_EQ(CategoryIndexOfColumn(kLangEnglish, "MEETING"), 1);
  // Texts matching no label: the reader's index.
  EXPECT_EQ(CategoryIndexOfColumn(kLangEnglish, "BUSINESS;MISCELLANEOUS"), 2);
  EXPECT_EQ(CategoryIndexOfColumn(kLangEnglish, "OTHER"), 0);
  EXPECT_EQ(RepeatKindOfColumn(kLangGerman, ""), 0);
  EXPECT_EQ(RepeatKindOfColumn(kLangGerman, "J\xE4hrlich"), 4);
  EXPECT_EQ(RepeatKindOfColumn(kLangEnglish, "Fortnightly"), 0);

  const auto date = DateOfColumn("2001/12/24");
  ASSERT_TRUE(date);
  EXPECT_EQ(date->year * 10000 + date->month * 100 + date->day, 20011224);
  const auto time = TimeOfColumn("18:30");
  ASSERT_TRUE(time);
  EXPECT_EQ(time->hour * 100 + time->minute, 1830);
  for (const char* bad : {"", "2001/13/01", "2001/12", "2001/12/24x", "-1/1/1"}) {
    EXPECT_FALSE(DateOfColumn(bad)) << bad;
  }
  for (const char* bad : {"", "24:00", "12", "12:3a"}) EXPECT_FALSE(TimeOfColumn(bad)) << bad;
}

}  // namespace
}  // namespace telvane::organizer
