#include "common/win/codepage.h"

#include <gtest/gtest.h>

namespace {

// Code page 932 whatever the ANSI code page of the machine is.
TEST(CodePage, ShiftJisAndUtf16RoundTrip) {
  EXPECT_EQ(SjisToWide("表ソ設定"), L"表ソ設定");
  EXPECT_EQ(WideToSjis(L"ﾊﾞｰｼﾞｮﾝ情報(&V)"), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
  EXPECT_EQ(WideToSjis(L"表ソ設定"), std::string("\x95\x5C\x83\x5C\x90\xDD\x92\xE8"));
  EXPECT_EQ(WideToSjis(static_cast<const wchar_t*>(nullptr)), "");
  EXPECT_EQ(SjisToWide(""), L"");
}

}  // namespace
