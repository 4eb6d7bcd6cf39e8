#include "common/dpi_scale.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

TEST(DpiScale, RoundsEveryFigureOnceAndLeaves96Alone) {
  for (int value : {-7, 0, 1, 3, 12, 225, 240, 467, 100000})
    EXPECT_EQ(ScaleToDpi(value, 96), value);
  EXPECT_EQ(ScaleToDpi(3, 144), 5);  // 4.5
  EXPECT_EQ(ScaleToDpi(-3, 144), -5);
  EXPECT_EQ(ScaleToDpi(12, 144), 18);
  EXPECT_EQ(ScaleToDpi(5, 120), 6);  // 6.25
  EXPECT_EQ(ScaleToDpi(12, 192), 24);
  // Large screens do not overflow.
  EXPECT_EQ(ScaleToDpi(30000000, 192), 60000000);
  EXPECT_EQ(RescaleDpi(18, 144, 192), 24);
  EXPECT_EQ(RescaleDpi(383, 144, 96), 255);
  EXPECT_EQ(RescaleDpi(17, 0, 144), 17);  // no DPI known: left as it is
}

}  // namespace
