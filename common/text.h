// Text helpers over Shift-JIS (code page 932) byte strings. Lengths and positions count
// bytes; positions are 1-based and 0 means "not found".
#pragma once

#include <cstdint>
#include <string>

namespace common {

// A double-byte character is a lead byte followed by a trail byte.
bool IsSjisLeadByte(unsigned char b);
bool IsSjisTrailByte(unsigned char b);

// Position of the first occurrence of needle in text that starts on a character boundary.
int PosMbcs(const std::string& needle, const std::string& text);

std::string LeftText(int count, const std::string& text);
std::string RightText(int count, const std::string& text);

// Returns the part of source before the first delimiter; source becomes the part after it.
// Without the delimiter the whole source is returned and source becomes empty.
std::string CutBefore(const std::string& delimiter, std::string& source);

std::string KeepDigits(const std::string& text);
// Digits and points; "0" when nothing is kept.
std::string KeepNumber(const std::string& text);

inline bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}
// Length of the longest part of text from start that reads as a decimal number: sign, digits,
// optional point and digits, optional exponent. 0 when there is none.
size_t DecimalPrefix(const std::string& text, size_t start);
// The longest prefix that reads as a decimal number (blanks skipped, sign, digits, point,
// exponent), as the tolerant conversions read it; empty when there is none.
std::string NumberPrefix(const std::string& text);
// Tolerant conversions: the longest numeric prefix, 0 when there is none; never fail.
float SafeStrToFloat(const std::string& text);
// The same prefix converted to double precision, as the C library's atof converts it.
double SafeStrToDouble(const std::string& text);
int32_t SafeStrToInt(const std::string& text);

// The text less its last count pieces, so that it ends with the delimiter.
std::string PathPiece(int count, const std::string& delimiter, const std::string& text);

// True when every character is one of "0123456789." (the empty text included).
bool IsPriceText(const std::string& text);
// Lays out a number text by a mask such as "###.000" or "##,###,###.###": every integer digit
// is kept (the mask only places them and its commas), decimals beyond the mask are cut, never
// rounded; a text that fails IsPriceText comes back unchanged.
std::string FormatPrice(const std::string& mask, const std::string& number);

// Byte index of the last backslash that is a character of its own, npos when none. A trail
// byte 0x5C (the second half of 表, ソ, ...) is part of its character, not a path separator.
size_t LastBackslash(const std::string& path);
// The folder with a backslash at its end, unless its last character already is one: a folder
// named "ソ" ends in the byte 0x5C and still needs its separator.
std::string WithTrailingBackslash(std::string folder);

// The single-byte letters A to Z in lower case; the bytes of double-byte characters stay as
// they are (a trail byte may look like a capital).
std::string LowerAscii(const std::string& text);

// Every occurrence of find replaced (multibyte-aware; an empty find changes nothing).
std::string ReplaceAll(const std::string& source, const std::string& find,
                       const std::string& replacement);

}  // namespace common
