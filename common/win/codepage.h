// Conversions between the system's Shift-JIS texts and the UTF-16 of the W functions. Always
// code page 932, whatever the machine's ANSI code page, so Japanese reads right everywhere.
#pragma once

#include <string>

inline constexpr unsigned kShiftJisCodePage = 932;

std::wstring SjisToWide(const std::string& text);
// A character without a Shift-JIS form becomes "?".
std::string WideToSjis(const std::wstring& text);
std::string WideToSjis(const wchar_t* text);
