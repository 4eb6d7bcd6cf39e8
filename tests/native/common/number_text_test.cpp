#include "common/number_text.h"

#include <gtest/gtest.h>

#include "common/version_number.h"

using namespace common;

namespace {

TEST(FloatToText, ShortestOfFifteenDigits) {
  EXPECT_EQ(FloatToText(0), "0");
  EXPECT_EQ(FloatToText(1.08L), "1.08");
  EXPECT_EQ(FloatToText(-7), "-7");
  EXPECT_EQ(FloatToText(12), "12");
  EXPECT_EQ(FloatToText(0.1f), "0.100000001490116");
  EXPECT_EQ(FloatToText(2.0L / 3), "0.666666666666667");  // rounded at the 15th digit
  EXPECT_EQ(FloatToText(0.013f), "0.0130000002682209");
  EXPECT_EQ(FloatToText(150.25L + 5 * 0.01L), "150.3");
  EXPECT_EQ(FloatToText(123456789012345.0L), "123456789012345");
}

TEST(FloatToText, ExponentFormAtTheEnds) {
  EXPECT_EQ(FloatToText(1e15L), "1E15");
  EXPECT_EQ(FloatToText(1.5e20L), "1.5E20");
  EXPECT_EQ(FloatToText(0.0001L), "0.0001");
  EXPECT_EQ(FloatToText(0.00001L), "1E-5");
  EXPECT_EQ(FloatToText(-1.5e-7L), "-1.5E-7");
}

TEST(TextToFloat, StrictGrammar) {
  EXPECT_EQ(TextToFloat("1.5"), 1.5L);
  EXPECT_EQ(TextToFloat(" -2 "), -2.0L);
  EXPECT_EQ(TextToFloat("0."), 0.0L);
  EXPECT_EQ(TextToFloat(".5"), 0.5L);
  EXPECT_EQ(TextToFloat("1e3"), 1000.0L);
  for (const char* bad : {"", " ", "1.2.3", "abc", "1x", "1e", ".", "0x10", "inf", "1e99999"})
    EXPECT_THROW(TextToFloat(bad), ConversionError) << bad;
  try {
    TextToFloat("1..2");
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'1..2' is not a valid floating point value");
  }
}

TEST(VersionNumber, MajorPointDigitsNudged) {
  EXPECT_EQ(static_cast<double>(VersionNumber("1.0.8.0")), 1.0800005197525024);
  EXPECT_EQ(VersionNumber("1.0.8.0"), static_cast<float>(1.08f + 5e-7L));
  EXPECT_EQ(VersionNumber(""), static_cast<float>(5e-7L));
  EXPECT_EQ(VersionNumber("2"), static_cast<float>(2.0L + 5e-7L));
  EXPECT_EQ(VersionNumber(".3.1"), static_cast<float>(0.31f + 5e-7L));
  EXPECT_THROW(VersionNumber("a.1"), ConversionError);
}

}  // namespace
