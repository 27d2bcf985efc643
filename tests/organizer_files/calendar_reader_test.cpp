// Calendar files dropped on the organizer: hand-made vCalendar 1.0 and iCalendar 2.0
// files, and files that must import nothing without harm.
#include <gtest/gtest.h>

#include "organizer/vcalendar_reader.h"
#include "support/temp_dir.h"
#include "tz_guard.h"

namespace telvane::organizer {
namespace {

TEST(CalendarReader, VcalendarOneWithQuotedPrintableAndUtf8) {
  const auto event = ReadCalendarText(
      "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\n"
      "CATEGORIES:MEETING\r\nDTSTART:20011224T183000\r\n"
      "SUMMARY;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Gr=C3=BC=C3=9Fe an M=\r\n"
      "=C3=BCller\r\n"
      "DESCRIPTION:not this\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
  ASSERT_TRUE(event);
  EXPECT_EQ(event->start, (CivilTime{2001, 12, 24, 18, 30}));
  EXPECT_EQ(event->summary,
            "Gr\xFC\xDF"
            "e an M\xFCller");

  // Plain UTF-8 without a CHARSET, LF line ends, a date alone, DESCRIPTION without SUMMARY.
  const auto dateOnly = ReadCalendarText(
      "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART;VALUE=DATE:20240229\n"
      "DESCRIPTION:K\xC3\xA4se\\, Brot\\nund Wein\nEND:VEVENT\nEND:VCALENDAR");
  ASSERT_TRUE(dateOnly);
  EXPECT_EQ(dateOnly->start, (CivilTime{2024, 2, 29, 0, 0}));
  EXPECT_EQ(dateOnly->summary, "K\xE4se, Brot und Wein");
}

TEST(CalendarReader, IcalendarTwoWithTimeZonesFoldedLinesAndUtc) {
  TimeZoneGuard zone("Europe/Berlin");
  const std::string timezone =
      "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\n"
      "DTSTART:19701025T030000\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\n"
      "END:STANDARD\r\nEND:VTIMEZONE\r\n";
  const auto utc = ReadCalendarText(
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + timezone +
      "BEGIN:VEVENT\r\nUID:1@test\r\nDTSTAMP:20011201T000000Z\r\n"
      "DTSTART:20011224T173000Z\r\n"
      "SUMMARY;LANGUAGE=de:Weihnachts\r\n feier\\; mit \\\\Baum\\, Lichtern\r\n"
      "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Alarm\r\n"
      "TRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nDTSTART:20020101T000000Z\r\nSUMMARY:second\r\nEND:VEVENT\r\n"
      "END:VCALENDAR\r\n");
  ASSERT_TRUE(utc);
  EXPECT_EQ(utc->start, (CivilTime{2001, 12, 24, 18, 30}));
  EXPECT_EQ(utc->summary, "Weihnachtsfeier; mit \\Baum, Lichtern");

  // A TZID value is the time as written; the VTIMEZONE's own DTSTART never counts.
  const auto zoned =
      ReadCalendarText("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + timezone +
                       "BEGIN:VEVENT\r\nDTSTART;TZID=\"America/New_York\":20240331T023000\r\n"
                       "BEGIN:VALARM\r\nDESCRIPTION:only the alarm's\r\nEND:VALARM\r\n"
                       "END:VEVENT\r\nEND:VCALENDAR\r\n");
  ASSERT_TRUE(zoned);
  EXPECT_EQ(zoned->start, (CivilTime{2024, 3, 31, 2, 30}));
  EXPECT_EQ(zoned->summary, "");
}

TEST(CalendarReader, CutBinaryHugeAndOneLineFilesImportNothing) {
  const std::string good =
      "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20011224T183000\r\nSUMMARY:x\r\n"
      "END:VEVENT\r\nEND:VCALENDAR\r\n";
  ASSERT_TRUE(ReadCalendarText(good));
  for (std::size_t cut : {10u, 40u, 60u, 70u}) {
    EXPECT_FALSE(ReadCalendarText(good.substr(0, cut))) << cut;
  }
  std::string binary = good;
  binary[20] = '\0';
  EXPECT_FALSE(ReadCalendarText(binary));
  EXPECT_FALSE(ReadCalendarText("\x89PNG\r\n\x1a\n\xff\xfe BEGIN:VEVENT"));
  EXPECT_FALSE(ReadCalendarText(
      "BEGIN:VCALENDAR BEGIN:VEVENT DTSTART:20011224T183000 END:VEVENT END:VCALENDAR"));
  for (const char* start :
       {"2001122", "20011324T1830", "20011224T2460", "20011224X1830", "20011224T18", ""}) {
    EXPECT_FALSE(ReadCalendarText(std::string("BEGIN:VEVENT\nDTSTART:") + start + "\nEND:VEVENT\n"))
        << start;
  }
  EXPECT_FALSE(ReadCalendarText(std::string(100000, 'B') + "\n" + std::string(50000, ' ')));

  testing::TempDir dir;
  std::string huge = good;
  while (huge.size() <= 5 * 1024 * 1024) huge += "X-FILL:" + std::string(1000, 'f') + "\r\n";
  testing::WriteFile(dir / "huge.vcs", huge);
  EXPECT_FALSE(ReadCalendarFile(dir / "huge.vcs"));
  EXPECT_FALSE(ReadCalendarFile(dir / "missing.vcs"));
  EXPECT_FALSE(ReadCalendarFile(dir.Path()));
  testing::WriteFile(dir / "good.vcs", good);
  EXPECT_TRUE(ReadCalendarFile(dir / "good.vcs"));
}

}  // namespace
}  // namespace telvane::organizer
