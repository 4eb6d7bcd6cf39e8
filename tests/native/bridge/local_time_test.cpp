#include "bridge/core/local_time.h"

#include <gtest/gtest.h>

namespace {

std::tm At(int year, int month, int day, int hour, int minute, int second = 0) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(LocalTime, TextIsYearMonthDayHourMinute) {
  EXPECT_EQ(bridge::BuildLocalTimeText(At(2015, 4, 2, 14, 5)), "201504021405");
  EXPECT_EQ(bridge::BuildLocalTimeText(At(1999, 12, 31, 0, 0)), "199912310000");
}

TEST(LocalTime, NumberIsYyMmDdHhMm) {
  EXPECT_EQ(bridge::GetTime(At(2015, 4, 2, 14, 5)), 1504021405);
  EXPECT_EQ(bridge::GetTime(At(2021, 12, 31, 23, 59)), 2112312359);
  EXPECT_EQ(bridge::GetTime(At(2009, 3, 1, 12, 0)), 903011200);
}

TEST(LocalTime, SecondsAreIgnored) {
  EXPECT_EQ(bridge::GetTime(At(2015, 4, 2, 14, 5, 0)), bridge::GetTime(At(2015, 4, 2, 14, 5, 59)));
}

TEST(LocalTime, From2022TheNumberWrapsAroundThirtyTwoBits) {
  EXPECT_EQ(bridge::GetTime(At(2022, 1, 1, 0, 0)), -2093957296);
  EXPECT_EQ(bridge::GetTime(At(2042, 12, 31, 23, 59)), static_cast<int32_t>(4212312359u));
  EXPECT_LT(bridge::GetTime(At(2042, 12, 31, 23, 59)), 0);
  EXPECT_EQ(bridge::GetTime(At(1999, 1, 2, 3, 4)), 1311085712);  // 9901020304 - 2 * 2^32
}

TEST(LocalTime, FieldsOutOfRangeStayWithinTheirDigits) {
  std::tm odd = At(2150, 1, 1, 0, 0);
  EXPECT_EQ(bridge::BuildLocalTimeText(odd), "215001010000");
  odd.tm_year = -3000;
  odd.tm_mday = 123;
  EXPECT_EQ(bridge::BuildLocalTimeText(odd).size(), 12u);
}

}  // namespace
