// Local times to UTC and back under the rules of real time zones.
#include "organizer/civil_time.h"

#include <gtest/gtest.h>

#include "tz_guard.h"

namespace telvane::organizer {
namespace {

struct Case {
  const char* zone;
  CivilTime local;
  CivilTime utc;
  bool oneWay = false;  // a local time the clocks skip or repeat
};

const Case kCases[] = {
    // Berlin in winter (+1) and summer (+2), across midnight, month and year ends.
    {"Europe/Berlin", {2001, 12, 24, 18, 30}, {2001, 12, 24, 17, 30}},
    {"Europe/Berlin", {2001, 12, 25, 0, 30}, {2001, 12, 24, 23, 30}},
    {"Europe/Berlin", {2001, 7, 1, 1, 15}, {2001, 6, 30, 23, 15}},
    {"Europe/Berlin", {2002, 1, 1, 0, 0}, {2001, 12, 31, 23, 0}},
    {"Europe/Berlin", {2024, 3, 1, 0, 15}, {2024, 2, 29, 23, 15}},
    {"Europe/Berlin", {2024, 2, 29, 12, 0}, {2024, 2, 29, 11, 0}},
    // Spring change (31 March 2024, 02:00 -> 03:00): 02:30 does not exist.
    {"Europe/Berlin", {2024, 3, 31, 1, 59}, {2024, 3, 31, 0, 59}},
    {"Europe/Berlin", {2024, 3, 31, 2, 30}, {2024, 3, 31, 1, 30}, true},
    {"Europe/Berlin", {2024, 3, 31, 3, 0}, {2024, 3, 31, 1, 0}},
    // Autumn change (27 October 2024, 03:00 -> 02:00): 02:30 happens twice, first in summer.
    {"Europe/Berlin", {2024, 10, 27, 2, 30}, {2024, 10, 27, 0, 30}, true},
    {"Europe/Berlin", {2024, 10, 27, 3, 0}, {2024, 10, 27, 2, 0}},
    {"Europe/Berlin", {2024, 10, 27, 1, 59}, {2024, 10, 26, 23, 59}},
    // Half hours: Kolkata +5:30, Adelaide +10:30 in January and +9:30 in July.
    {"Asia/Kolkata", {2001, 12, 24, 3, 0}, {2001, 12, 23, 21, 30}},
    {"Asia/Kolkata", {2001, 3, 1, 5, 29}, {2001, 2, 28, 23, 59}},
    {"Australia/Adelaide", {2024, 1, 1, 10, 0}, {2023, 12, 31, 23, 30}},
    {"Australia/Adelaide", {2024, 7, 1, 9, 0}, {2024, 6, 30, 23, 30}},
    {"UTC", {2000, 2, 29, 23, 59}, {2000, 2, 29, 23, 59}},
};

TEST(CivilTime, LocalTimesFollowTheZonesRulesForTheirDateBothWays) {
  for (const Case& c : kCases) {
    TimeZoneGuard zone(c.zone);
    const auto local = c.local;
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(local.year) + "-" +
                 std::to_string(local.month) + "-" + std::to_string(local.day) + " " +
                 std::to_string(local.hour) + ":" + std::to_string(local.minute));
    EXPECT_EQ(LocalToUtc(c.local), c.utc);
    if (!c.oneWay) {
      EXPECT_EQ(UtcToLocal(c.utc), c.local);
    }
  }
}

TEST(CivilTime, BothOccurrencesOfARepeatedHourReadBackAndInvalidTimesGiveNothing) {
  TimeZoneGuard zone("Europe/Berlin");
  EXPECT_EQ(UtcToLocal({2024, 10, 27, 0, 30}), (CivilTime{2024, 10, 27, 2, 30}));
  EXPECT_EQ(UtcToLocal({2024, 10, 27, 1, 30}), (CivilTime{2024, 10, 27, 2, 30}));
  EXPECT_EQ(LocalToUtc({2001, 2, 29, 12, 0}), std::nullopt);
  EXPECT_EQ(LocalToUtc({1900, 2, 29, 12, 0}), std::nullopt);
  EXPECT_EQ(LocalToUtc({2001, 4, 31, 12, 0}), std::nullopt);
  EXPECT_EQ(LocalToUtc({2001, 4, 30, 24, 0}), std::nullopt);
  EXPECT_EQ(LocalToUtc({2001, 13, 1, 0, 0}), std::nullopt);
  EXPECT_EQ(UtcToLocal({9999, 12, 31, 23, 30}), std::nullopt);  // the year 10000 in Berlin
}

}  // namespace
}  // namespace telvane::organizer
