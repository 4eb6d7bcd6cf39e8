#include "common/text.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

TEST(PosMbcs, NeverMatchesOnATrailByte) {
  EXPECT_EQ(PosMbcs("\\", "\x95\x5C"), 0);    // the backslash inside 表
  EXPECT_EQ(PosMbcs("\\", "\x95\x5C\\"), 3);  // 表 then a real backslash
  EXPECT_EQ(PosMbcs("\\", "表ソ\\x"), 5);     // literals are Shift-JIS bytes
  EXPECT_EQ(PosMbcs("\x5C", "\xF0\x5C"), 2);  // 0xF0 is no lead byte
  EXPECT_EQ(PosMbcs("\x7F", "\x81\x7F"), 2);  // 0x7F is no trail byte
  EXPECT_EQ(PosMbcs("\x83", "a\x83"), 2);     // a lead byte at the end stands alone
  EXPECT_EQ(PosMbcs("\x83\x41", "\x83\x83\x41"), 0);
}

TEST(PosMbcs, EdgesGiveZero) {
  EXPECT_EQ(PosMbcs("", "abc"), 0);
  EXPECT_EQ(PosMbcs("a", ""), 0);
  EXPECT_EQ(PosMbcs("abcd", "abc"), 0);
  EXPECT_EQ(PosMbcs("bc", "abcbc"), 2);
}

TEST(ShiftJisLiterals, SourceLiteralsBecomeCodePage932Bytes) {
  EXPECT_EQ(std::string("表ソ設定"), std::string("\x95\x5C\x83\x5C\x90\xDD\x92\xE8"));
  EXPECT_EQ(std::string("ﾊﾞｰ"), std::string("\xCA\xDE\xB0"));
}

TEST(LeftRightText, Bounds) {
  EXPECT_EQ(LeftText(0, "abc"), "");
  EXPECT_EQ(LeftText(-1, "abc"), "");
  EXPECT_EQ(LeftText(2, "abc"), "ab");
  EXPECT_EQ(LeftText(9, "abc"), "abc");
  EXPECT_EQ(RightText(5, "abc"), "abc");
  EXPECT_EQ(RightText(2, "abc"), "bc");
  EXPECT_EQ(RightText(0, "abc"), "");
}

TEST(CutBefore, WalksCrLfLines) {
  std::string source = "a\r\n\r\nb";
  EXPECT_EQ(CutBefore("\r\n", source), "a");
  EXPECT_EQ(CutBefore("\r\n", source), "");
  EXPECT_EQ(CutBefore("\r\n", source), "b");
  EXPECT_EQ(source, "");
  std::string whole = "no line end";
  EXPECT_EQ(CutBefore("\r\n", whole), "no line end");
  EXPECT_EQ(whole, "");
  std::string first = ".x";
  EXPECT_EQ(CutBefore(".", first), "");
  EXPECT_EQ(first, "x");
}

TEST(KeepFilters, DigitsAndNumbers) {
  EXPECT_EQ(KeepDigits("ab1.05"), "105");
  EXPECT_EQ(KeepNumber("ab1.05"), "1.05");
  EXPECT_EQ(KeepNumber("abc"), "0");
  EXPECT_EQ(KeepDigits("abc"), "");
  EXPECT_EQ(KeepNumber("1.2.3"), "1.2.3");
  EXPECT_EQ(KeepNumber("表1"), "1");
}

TEST(SafeStrToFloat, TolerantPrefix) {
  EXPECT_EQ(SafeStrToFloat(""), 0.0f);
  EXPECT_EQ(SafeStrToFloat("x1"), 0.0f);
  EXPECT_EQ(SafeStrToFloat("  1.5abc"), 1.5f);
  EXPECT_EQ(SafeStrToFloat("-2e1x"), -20.0f);
  EXPECT_EQ(SafeStrToFloat("3e"), 3.0f);
  EXPECT_EQ(SafeStrToFloat("1.2.3"), 1.2f);
  EXPECT_EQ(SafeStrToFloat("0.1234567891"), 0.1234567891f);
  EXPECT_EQ(SafeStrToFloat("."), 0.0f);
  EXPECT_EQ(SafeStrToFloat("inf"), 0.0f);
  EXPECT_EQ(SafeStrToFloat("0x10"), 0.0f);
}

TEST(SafeStrToDouble, SamePrefixInDoublePrecision) {
  EXPECT_EQ(SafeStrToDouble(" 0.1x"), 0.1);
  EXPECT_EQ(SafeStrToDouble("-2e1.5"), -20.0);
  EXPECT_EQ(SafeStrToDouble("inf"), 0.0);
  EXPECT_EQ(SafeStrToDouble("0x10"), 0.0);
  EXPECT_EQ(SafeStrToDouble(""), 0.0);
}

TEST(SafeStrToInt, TolerantPrefix) {
  EXPECT_EQ(SafeStrToInt(""), 0);
  EXPECT_EQ(SafeStrToInt(" 7"), 7);
  EXPECT_EQ(SafeStrToInt("-3x"), -3);
  EXPECT_EQ(SafeStrToInt("12ab"), 12);
  EXPECT_EQ(SafeStrToInt("x12"), 0);
  EXPECT_EQ(SafeStrToInt("99999999999"), 2147483647);
  EXPECT_EQ(SafeStrToInt("-99999999999"), -2147483647 - 1);
}

TEST(PathPiece, CutsTrailingPieces) {
  EXPECT_EQ(PathPiece(1, "\\", "C:\\a\\b\\file.lzh"), "C:\\a\\b\\");
  EXPECT_EQ(PathPiece(1, "\\", "C:\\a\\b\\"), "C:\\a\\");
  EXPECT_EQ(PathPiece(1, "\\", "C:\\dir\\\\sub\\f.txt"), "C:\\dir\\");
  EXPECT_EQ(PathPiece(2, "\\", "C:\\a\\b\\file.lzh"), "C:\\a\\");
  EXPECT_EQ(PathPiece(1, "\\", "nodelimiter"), "nodelimiter");
  EXPECT_EQ(PathPiece(0, "\\", "C:\\a"), "");
  EXPECT_EQ(PathPiece(1, "\\", "C:\\表\\f"), "C:\\表\\");
}

TEST(WithTrailingBackslash, AddedUnlessTheLastCharacterIsOne) {
  EXPECT_EQ(WithTrailingBackslash("C:\\Tools"), "C:\\Tools\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\Tools\\"), "C:\\Tools\\");
  // ソ and 表 end in the byte 0x5C: the folder still needs its separator.
  EXPECT_EQ(WithTrailingBackslash("C:\\ソ"), "C:\\ソ\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\EA表"), "C:\\EA表\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\表\\"), "C:\\表\\");
}

TEST(FormatPrice, MasksCutDecimalsNeverIntegerDigits) {
  EXPECT_EQ(FormatPrice("###.000", "105.3"), "105.300");
  EXPECT_EQ(FormatPrice("###.000", "1234.5"), "1234.500");
  EXPECT_EQ(FormatPrice("###.000", "2034.56"), "2034.560");
  EXPECT_EQ(FormatPrice("###.00000", "43210"), "43210");
  EXPECT_EQ(FormatPrice("##,###", "1234567"), "1234,567");  // commas only where the mask has them
  EXPECT_EQ(FormatPrice("###.000", "105"), "105");
  EXPECT_EQ(FormatPrice("###.000", "-0.5"), "-0.5");
  EXPECT_EQ(FormatPrice("###.00000", "1.23456789"), "1.23456");
  EXPECT_EQ(FormatPrice("##,###,###.###", "1234.5"), "1,234.5");
  EXPECT_EQ(FormatPrice("##,###,###.###", "1.0800005"), "1.080");
  EXPECT_EQ(FormatPrice("##.##", "1"), "1");
  EXPECT_EQ(FormatPrice("##,###,###.###", "65535.9"), "65,535.9");  // the largest major version
  EXPECT_TRUE(IsPriceText(""));
  EXPECT_FALSE(IsPriceText("1e5"));
  EXPECT_FALSE(IsPriceText(" 1"));
}

TEST(ReplaceAll, ReplacesOnceAndRespectsDoubleBytes) {
  EXPECT_EQ(ReplaceAll("C:\\Tools\\Console.exe", "\\", "-"), "C:-Tools-Console.exe");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("C:\\表\\x", "\\", "-"), "C:-表-x");
}

}  // namespace
