#include "common/text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace common {

bool IsSjisLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF);
}

bool IsSjisTrailByte(unsigned char b) {
  return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

namespace {

bool DoubleByteAt(const std::string& text, size_t i) {
  return i + 1 < text.size() && IsSjisLeadByte(static_cast<unsigned char>(text[i])) &&
         IsSjisTrailByte(static_cast<unsigned char>(text[i + 1]));
}

}  // namespace

int PosMbcs(const std::string& needle, const std::string& text) {
  if (needle.empty() || text.empty()) return 0;
  size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, needle.size(), needle) == 0 && i + needle.size() <= text.size())
      return static_cast<int>(i) + 1;
    i += DoubleByteAt(text, i) ? 2 : 1;
  }
  return 0;
}

std::string LeftText(int count, const std::string& text) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<size_t>(count));
}

std::string RightText(int count, const std::string& text) {
  if (count <= 0) return {};
  if (static_cast<size_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<size_t>(count));
}

std::string CutBefore(const std::string& delimiter, std::string& source) {
  const int p = PosMbcs(delimiter, source);
  if (p == 0) {
    std::string all;
    all.swap(source);
    return all;
  }
  std::string before = LeftText(p - 1, source);
  source.erase(0, static_cast<size_t>(p - 1) + delimiter.size());
  return before;
}

std::string KeepDigits(const std::string& text) {
  std::string out;
  for (char c : text)
    if (IsAsciiDigit(c)) out += c;
  return out;
}

std::string KeepNumber(const std::string& text) {
  std::string out;
  for (char c : text)
    if (IsAsciiDigit(c) || c == '.') out += c;
  return out.empty() ? "0" : out;
}

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

size_t DecimalPrefix(const std::string& text, size_t start) {
  size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsAsciiDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    size_t j = i + 1, frac = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) ++j, ++frac;
    if (digits + frac > 0) i = j, digits += frac;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    size_t exp = 0;
    while (j < text.size() && IsAsciiDigit(text[j])) ++j, ++exp;
    if (exp > 0) i = j;
  }
  return i - start;
}

std::string NumberPrefix(const std::string& text) {
  size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return text.substr(start, DecimalPrefix(text, start));
}

float SafeStrToFloat(const std::string& text) {
  const std::string prefix = NumberPrefix(text);
  if (prefix.empty()) return 0.0f;
  // strtof rounds the decimal text straight to single precision (no double rounding).
  return std::strtof(prefix.c_str(), nullptr);
}

double SafeStrToDouble(const std::string& text) {
  const std::string prefix = NumberPrefix(text);
  if (prefix.empty()) return 0.0;
  return std::strtod(prefix.c_str(), nullptr);
}

int32_t SafeStrToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Digit strings beyond the 32-bit range saturate at its ends.
  int64_t value = 0;
  for (; i < text.size() && IsAsciiDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) value = int64_t{INT32_MAX} + 1;
  }
  if (negative) value = -value;
  if (value > INT32_MAX) value = INT32_MAX;
  return static_cast<int32_t>(value);
}

std::string PathPiece(int count, const std::string& delimiter, const std::string& text) {
  if (count <= 0) return {};
  std::string current = text;
  auto delimiterInTail = [&](const std::string& tail) {
    return tail.empty() ? 0 : PosMbcs(delimiter, tail.substr(0, tail.size() - 1));
  };
  for (int k = 0; k < count; ++k) {
    std::string tail = current;
    auto cut = [&] {
      const int p = delimiterInTail(tail);
      if (p > 0) tail.erase(0, static_cast<size_t>(p));
    };
    cut();
    cut();
    while (delimiterInTail(tail) > 1) cut();
    if (tail != current) current = current.substr(0, current.size() - tail.size());
  }
  return current;
}

bool IsPriceText(const std::string& text) {
  for (char c : text)
    if (!IsAsciiDigit(c) && c != '.') return false;
  return true;
}

std::string FormatPrice(const std::string& mask, const std::string& number) {
  if (!IsPriceText(number)) return number;
  const size_t maskPoint = mask.find('.');
  const std::string intMask = mask.substr(0, maskPoint);
  const std::string fracMask = maskPoint == std::string::npos ? "" : mask.substr(maskPoint + 1);
  const size_t point = number.find('.');
  const std::string intDigits = number.substr(0, point);
  const std::string fracDigits = point == std::string::npos ? "" : number.substr(point + 1);

  std::string result;
  size_t m = intMask.size(), d = intDigits.size();
  while (m > 0 && d > 0) {
    const char mc = intMask[--m];
    if (mc == '#')
      result.insert(result.begin(), intDigits[--d]);
    else if (mc == ',')
      result.insert(result.begin(), ',');
  }
  // The mask lays the integer digits out, it never cuts them: a gold quote of 2034.56 under
  // "###.000" must not become 034.560.
  result.insert(0, intDigits, 0, d);
  if (point == std::string::npos) return result;

  result += '.';
  size_t f = 0;
  for (char mc : fracMask) {
    const bool remain = f < fracDigits.size();
    if (mc == '#' || mc == '0') {
      if (remain)
        result += fracDigits[f++];
      else if (mc == '0')
        result += '0';
    } else if (mc == ',' && remain) {
      result += ',';
    }
  }
  return result;
}

std::string ReplaceAll(const std::string& source, const std::string& find,
                       const std::string& replacement) {
  if (find.empty()) return source;
  std::string rest = source, result;
  int p;
  while ((p = PosMbcs(find, rest)) > 0) {
    result += rest.substr(0, static_cast<size_t>(p - 1)) + replacement;
    rest.erase(0, static_cast<size_t>(p - 1) + find.size());
  }
  return result + rest;
}

size_t LastBackslash(const std::string& path) {
  size_t last = std::string::npos;
  size_t i = 0;
  while (i < path.size()) {
    const bool doubleByte = i + 1 < path.size() &&
                            IsSjisLeadByte(static_cast<unsigned char>(path[i])) &&
                            IsSjisTrailByte(static_cast<unsigned char>(path[i + 1]));
    if (!doubleByte && path[i] == '\\') last = i;
    i += doubleByte ? 2 : 1;
  }
  return last;
}

std::string WithTrailingBackslash(std::string folder) {
  if (folder.empty() || LastBackslash(folder) != folder.size() - 1) folder += '\\';
  return folder;
}

std::string LowerAscii(const std::string& text) {
  std::string lower = text;
  for (size_t i = 0; i < lower.size(); ++i) {
    const auto b = static_cast<unsigned char>(lower[i]);
    if (IsSjisLeadByte(b) && i + 1 < lower.size() &&
        IsSjisTrailByte(static_cast<unsigned char>(lower[i + 1]))) {
      ++i;
      continue;
    }
    if (b >= 'A' && b <= 'Z') lower[i] = static_cast<char>(b - 'A' + 'a');
  }
  return lower;
}

}  // namespace common
