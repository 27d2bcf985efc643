// The protocol file: appended to, created with or without a header, one line per write.
#include "network/protocol_log.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace telvane::network {
namespace {

TEST(ProtocolLogTest, HeaderOnlyWhenTheFileIsCreated) {
  telvane::testing::TempDir dir;
  const auto file = dir / "Telvane.log";
  ProtocolLog log;
  ASSERT_TRUE(log.Open(file, kNetMonitorLogHeader));
  log.Write("first\n");
  log.Close();
  ASSERT_TRUE(log.Open(file, kNetMonitorLogHeader));
  log.Write("second\n");
  EXPECT_EQ(telvane::testing::ReadFile(file),
            "date,time,cellid,lai,net,level,state\nfirst\nsecond\n");

  const auto plain = dir / "plain.log";
  ASSERT_TRUE(log.Open(plain, {}));
  log.Write("line\n");
  EXPECT_EQ(telvane::testing::ReadFile(plain), "line\n");
  EXPECT_FALSE(log.Open(dir / "missing" / "Telvane.log", {}));
  EXPECT_FALSE(log.IsOpen());
}

TEST(ProtocolLogTest, TimesAndFieldsKeepOneLinePerEntry) {
  std::tm time{};
  time.tm_year = 101;
  time.tm_mon = 8;
  time.tm_mday = 3;
  time.tm_hour = 21;
  time.tm_min = 5;
  time.tm_sec = 9;
  EXPECT_EQ(LogTimeText(time), "2001/09/03 21:05:09");
  EXPECT_EQ(LogField("two\r\nlines\x1A"), "two  lines ");
}

}  // namespace
}  // namespace telvane::network
