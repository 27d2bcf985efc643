// The net monitor's log line and plotting row, and the plotting file set aside at its limit.
#include "network/net_log.h"

#include <gtest/gtest.h>

#include "network/net_vocabulary.h"
#include "support/temp_dir.h"

namespace telvane::network {
namespace {

std::tm SeptemberThird() {
  std::tm time{};
  time.tm_year = 101;
  time.tm_mon = 8;
  time.tm_mday = 3;
  time.tm_hour = 21;
  time.tm_min = 5;
  time.tm_sec = 9;
  return time;
}

TEST(NetLogTest, LineAndRowWithEveryValueAndWithout) {
  NetValues values{0x1A2B, 0x0D2F, 26201, 1, 79, 4, std::string("Nord\"netz, \x01T")};
  EXPECT_EQ(NetLogLine(SeptemberThird(), values, 9),
            "2001/09/03,21:05:09,'1A2B,'0D2F,26201,-79 dBm,Logged in\n");
  EXPECT_EQ(NetCsvRow(SeptemberThird(), values),
            "2001-09-03T21:05:09Z,26201,\"Nord\"\"netz,  T\",3375,6699,1,-79,4\n");

  // No network: no code, quality 99, a state name with a comma.
  const NetValues none{0, 0xFFFF, std::nullopt, 0, std::nullopt, 0, std::nullopt};
  EXPECT_EQ(NetLogLine(SeptemberThird(), none, 9),
            "2001/09/03,21:05:09,'0000,'FFFF,,,\"Not logged in, not seeking\"\n");
  EXPECT_EQ(NetCsvRow(SeptemberThird(), none), "2001-09-03T21:05:09Z,,,65535,0,0,,0\n");
  EXPECT_EQ(NetLogLine(SeptemberThird(), NetValues{}, 7), "2001/09/03,21:05:09,,,,,\n");
}

TEST(NetLogTest, NamesPastTheTablesShowTheirNumber) {
  EXPECT_EQ(RegistrationName(7, 3), "Einlogversuch vom Netzwerk abgelehnt");
  EXPECT_EQ(RegistrationName(9, 6), "6");
  EXPECT_EQ(ActivityName(12, 0), "Pr\xEAt");
  EXPECT_EQ(ActivityName(9, 1), "");
  EXPECT_EQ(ActivityName(9, 5), "5");
  EXPECT_EQ(CallStateName(9, 1), "Held");
  EXPECT_EQ(CallStateName(9, -1), "-1");
  EXPECT_EQ(CallModeName(20, 9), "Ukjent");
  EXPECT_EQ(CallColumnTitle(19, 1), "In/Uit");
  EXPECT_EQ(CallColumnTitle(22, 3), "Numero");
}

TEST(NetLogTest, PlottingFileIsSetAsideAtItsLimit) {
  telvane::testing::TempDir dir;
  const std::string row = "2001-09-03T21:05:09Z,26201,Nordnetz,3900,41394,1,-79,0\n";
  NetCsvLog csv;
  ASSERT_TRUE(csv.Open(dir.Path()));
  csv.Write(row, 200);
  csv.Write(row, 200);
  csv.Write(row, 200);  // 60 + 3 * 55 bytes would pass 200
  csv.Close();
  const std::string header = "time_utc,network,operator,lac,cell,state,level_dbm,activity\n";
  EXPECT_EQ(telvane::testing::ReadFile(dir / "TelvaneNet.old.csv"), header + row + row);
  EXPECT_EQ(telvane::testing::ReadFile(dir / "TelvaneNet.csv"), header + row);
  ASSERT_TRUE(csv.Open(dir.Path()));
  csv.Write(row, 200);
  EXPECT_EQ(telvane::testing::ReadFile(dir / "TelvaneNet.csv"), header + row + row);
}

}  // namespace
}  // namespace telvane::network
