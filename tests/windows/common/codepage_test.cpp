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

// No look-alikes: a character without a Shift-JIS form is "?" and is told apart.
TEST(CodePage, NoBestFitAndNoSilentSubstitution) {
  for (const wchar_t* foreign : {L"MT4\u00A5Pro", L"caf\u00E9", L"\u20AC", L"\u00B5s"}) {
    EXPECT_EQ(WideToSjis(foreign).find('\\'), std::string::npos) << WideToSjis(foreign);
    EXPECT_NE(WideToSjis(foreign).find('?'), std::string::npos) << WideToSjis(foreign);
    EXPECT_EQ(WideToSjisExact(foreign), std::nullopt) << WideToSjis(foreign);
  }
  EXPECT_EQ(WideToSjisExact(L"C:\\表\\a?b"), std::optional<std::string>("C:\\表\\a?b"));
  EXPECT_EQ(WideToSjisExact(L""), std::optional<std::string>(""));
}

}  // namespace
