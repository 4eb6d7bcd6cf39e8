#include <gtest/gtest.h>
#include <ta_func.h>

namespace {

// TA-Lib is built from its sources by both builds; the bridge relies on it.
TEST(TaLib, InitialisesAndComputesASimpleAverage) {
  ASSERT_EQ(TA_Initialize(), TA_SUCCESS);
  const double in[] = {1, 2, 3, 4, 5};
  double out[5] = {};
  int begin = -1, count = -1;
  ASSERT_EQ(TA_MA(0, 4, in, 3, TA_MAType_SMA, &begin, &count, out), TA_SUCCESS);
  EXPECT_EQ(begin, 2);
  ASSERT_EQ(count, 3);
  EXPECT_DOUBLE_EQ(out[0], 2.0);
  EXPECT_DOUBLE_EQ(out[2], 4.0);
  EXPECT_EQ(TA_MA(0, 4, in, 0, TA_MAType_SMA, &begin, &count, out), TA_BAD_PARAM);
  EXPECT_EQ(TA_Shutdown(), TA_SUCCESS);
}

}  // namespace
