// The object an entry is written as, its checks, and the slot an added entry goes to.
#include <gtest/gtest.h>

#include <vector>

#include "organizer/organizer_vocabulary.h"
#include "organizer/organizer_writing.h"

namespace telvane::organizer {
namespace {

EntryValues Xmas() {
  EntryValues values;
  values.category = 1;
  values.repeat = 2;
  values.alarm = true;
  values.year = 2001;
  values.month = 12;
  values.day = 24;
  values.hour = 18;
  values.minute = 30;
  values.description = "Xmas party";
  return values;
}

TEST(EntryObject, ElevenLinesInOrderEachEndedByCrLf) {
  EXPECT_EQ(BuildEntryObject(Xmas()),
            "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:MEETING\r\n"
            "RRULE:W1\r\nDTSTART:20011224T183000\r\nDALARM:20011224T183000\r\n"
            "AALARM:20011224T183000\r\nDESCRIPTION:Xmas party\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n");
}

TEST(EntryObject, OnceWithoutAlarmCutAndControlCharactersDropped) {
  EntryValues values = Xmas();
  values.repeat = 0;
  values.alarm = false;
  values.month = 3;
  values.day = 5;
  values.hour = 7;
  values.minute = 5;
  values.description = "Line\r\none\x1A; two\tthree four";
  EXPECT_EQ(BuildEntryObject(values),
            "BEGIN:VCALENDAR\r\nVERSION:1.0\r\nBEGIN:VEVENT\r\nCATEGORIES:MEETING\r\n"
            "DTSTART:20010305T070500\r\nDESCRIPTION:Lineone; twothre\r\nEND:VEVENT\r\n"
            "END:VCALENDAR\r\n");
  // Indexes outside the tables are written as the first entries.
  values.category = 9;
  values.repeat = -1;
  EXPECT_NE(BuildEntryObject(values).find("CATEGORIES:ANNIVERSARY\r\nDTSTART"), std::string::npos);
  EXPECT_EQ(PhoneDescription("\xC4pfel und Birnen, 20 St\xFC"
                             "ck"),
            "\xC4pfel und Birnen");
}

TEST(EntryObject, PhoneCallsNeedANumber) {
  EntryValues call = Xmas();
  call.category = kCategoryPhoneCall;
  for (const char* number : {"+4930 123", "0301234"}) {
    call.description = number;
    EXPECT_EQ(CheckEntry(call), 0) << number;
  }
  for (const char* text : {"Anna", "", " 0301"}) {
    call.description = text;
    EXPECT_EQ(CheckEntry(call), kStrPhoneNumberNeeded) << text;
  }
  call.category = 1;
  call.description = "Anna";
  EXPECT_EQ(CheckEntry(call), 0);
}

TEST(FreeSlot, FirstRowInListOrderThatThePhoneReportedEmpty) {
  std::vector<OrganizerEntry> rows = {
      {3, SlotState::kOccupied},  // an object without a readable date: kept
      {9, SlotState::kUnread},    // after a failed read
      {8, SlotState::kEmpty},
      {2, SlotState::kEmpty},
  };
  EXPECT_EQ(FindFreeSlot(rows), 8);
  rows[2].state = SlotState::kOccupied;
  rows[3].state = SlotState::kOccupied;
  EXPECT_FALSE(FindFreeSlot(rows));
}

}  // namespace
}  // namespace telvane::organizer
