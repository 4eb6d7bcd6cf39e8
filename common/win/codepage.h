// Conversions between the system's Shift-JIS texts and the UTF-16 of the W functions. Always
// code page 932, whatever the machine's ANSI code page, so Japanese reads right everywhere.
#pragma once

#include <optional>
#include <string>

inline constexpr unsigned kShiftJisCodePage = 932;

std::wstring SjisToWide(const std::string& text);
// A character without a Shift-JIS form becomes "?", never a look-alike: best-fit mapping
// would turn "¥" into "\" and change a path.
std::string WideToSjis(const std::wstring& text);
std::string WideToSjis(const wchar_t* text);
// The Shift-JIS form of a text every character of which has one, else nothing: for file and
// folder names, where a "?" names no file and a look-alike names another one.
std::optional<std::string> WideToSjisExact(const std::wstring& text);
