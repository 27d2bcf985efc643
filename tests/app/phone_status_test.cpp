#include "app/phone_status.h"

#include <gtest/gtest.h>

namespace telvane::app {
namespace {

TEST(PhoneStatus, BatteryBitmapThresholds) {
  EXPECT_EQ(BatteryBitmap(0), 127);
  EXPECT_EQ(BatteryBitmap(24), 127);
  EXPECT_EQ(BatteryBitmap(25), 128);
  EXPECT_EQ(BatteryBitmap(74), 129);
  EXPECT_EQ(BatteryBitmap(75), 130);
  EXPECT_EQ(BatteryBitmap(99), 130);
  EXPECT_EQ(BatteryBitmap(100), 131);
}

TEST(PhoneStatus, ReceptionTextAndBitmap) {
  EXPECT_EQ(ReceptionText(17, 9), "-79 dBm / 0.013 nW");
  EXPECT_EQ(ReceptionBitmap(17), 134);  // q = 56
  EXPECT_EQ(ReceptionBitmap(0), 132);
  EXPECT_EQ(ReceptionBitmap(6), 133);   // q = 20
  EXPECT_EQ(ReceptionBitmap(24), 136);  // q = 80
  EXPECT_EQ(ReceptionBitmap(31), 136);
  EXPECT_EQ(ReceptionText(31, 9), "-51 dBm / 7.943 nW");
  // 99 is no measurement at all, not a level.
  EXPECT_EQ(ReceptionText(99, 9), "no measurement");
  EXPECT_EQ(ReceptionText(99, 7), "keine Messung");
  EXPECT_EQ(ReceptionBitmap(99), kNoBitmap);
}

TEST(PhoneStatus, ImsiOperatorAndClock) {
  EXPECT_EQ(FormatImsi("262011234567890"), "26201-1234567890");
  EXPECT_EQ(FormatImsi("2620112"), "26201-12");
  EXPECT_EQ(OperatorText("\r\n+COPS: 0,0,\"Nordnetz\"\r\n\r\nOK\r\n"), "0,0,\"Nordnetz\"");
  EXPECT_EQ(OperatorText("\r\n+COPS:"), "");
  EXPECT_EQ(OperatorText("\r\nOK\r\n"), std::nullopt);
  std::tm t{};
  t.tm_year = 101;
  t.tm_mon = 7;
  t.tm_mday = 31;
  t.tm_hour = 21;
  t.tm_min = 55;
  t.tm_sec = 13;
  EXPECT_EQ(ClockCommand(t), "AT+CCLK=\"01/08/31,21:55:13\"");
}

}  // namespace
}  // namespace telvane::app
