#include "common/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "common/text.h"

namespace common {

namespace {

constexpr int kPrecision = 15;

}  // namespace

std::string FloatToText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";

  // d.dddddddddddddde[+-]x: 15 significant digits, rounded from the exact binary value.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*Le", kPrecision - 1, value);
  std::string text(buf);
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  // The decimal point sits after digit number (exponent + 1).
  const int pointAfter = exponent + 1;
  if (pointAfter > kPrecision || pointAfter < -3) {
    out += digits[0];
    if (digits.size() > 1) out += "." + digits.substr(1);
    out += "E" + std::to_string(exponent);
  } else if (pointAfter <= 0) {
    out += "0." + std::string(static_cast<size_t>(-pointAfter), '0') + digits;
  } else if (static_cast<size_t>(pointAfter) >= digits.size()) {
    out += digits + std::string(static_cast<size_t>(pointAfter) - digits.size(), '0');
  } else {
    out += digits.substr(0, static_cast<size_t>(pointAfter)) + "." +
           digits.substr(static_cast<size_t>(pointAfter));
  }
  return out;
}

long double TextToFloat(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  const std::string core = text.substr(i, n - i);
  // Valid only when the whole text between the blanks reads as one decimal number.
  if (core.empty() || DecimalPrefix(core, 0) != core.size())
    throw ConversionError("'" + text + "' is not a valid floating point value");
  const long double value = std::strtold(core.c_str(), nullptr);
  if (std::isinf(value))
    throw ConversionError("'" + text + "' is not a valid floating point value");
  return value;
}

}  // namespace common
