#include "console/core/decimal_sum.h"

#include <algorithm>
#include <cstdlib>

#include "common/text.h"

namespace console {

namespace {

// Beyond this an exponent makes no price: the text would not fit the command map anyway.
constexpr long kExponentLimit = 1000;

// A decimal number as sign, digits and the count of those digits that are decimals.
struct Decimal {
  bool negative = false;
  std::string digits;  // at least one digit
  size_t decimals = 0;
};

Decimal Split(const std::string& number) {
  Decimal d;
  size_t i = 0;
  if (i < number.size() && (number[i] == '-' || number[i] == '+')) d.negative = number[i++] == '-';
  const size_t point = number.find('.', i);
  const std::string whole =
      number.substr(i, point == std::string::npos ? std::string::npos : point - i);
  const std::string fraction = point == std::string::npos ? "" : number.substr(point + 1);
  d.digits = whole + fraction;
  d.decimals = fraction.size();
  if (d.digits.empty()) d.digits = "0";
  return d;
}

void StripLeadingZeros(Decimal& d) {
  const size_t integerDigits = d.digits.size() - d.decimals;
  size_t zeros = 0;
  while (zeros + 1 < integerDigits && d.digits[zeros] == '0') ++zeros;
  d.digits.erase(0, zeros);
}

std::string Text(Decimal d) {
  if (d.digits.size() <= d.decimals) d.digits.insert(0, d.decimals + 1 - d.digits.size(), '0');
  StripLeadingZeros(d);
  const bool zero = d.digits.find_first_not_of('0') == std::string::npos;
  std::string text = d.negative && !zero ? "-" : "";
  const size_t integerDigits = d.digits.size() - d.decimals;
  text += d.digits.substr(0, integerDigits);
  if (d.decimals > 0) text += "." + d.digits.substr(integerDigits);
  return text;
}

// Digit strings of the same length, as unsigned magnitudes.
std::string AddMagnitudes(const std::string& a, const std::string& b) {
  std::string sum(a.size(), '0');
  int carry = 0;
  for (size_t k = a.size(); k-- > 0;) {
    const int v = (a[k] - '0') + (b[k] - '0') + carry;
    sum[k] = static_cast<char>('0' + v % 10);
    carry = v / 10;
  }
  return carry ? "1" + sum : sum;
}

// a - b for a >= b, both of the same length.
std::string SubtractMagnitudes(const std::string& a, const std::string& b) {
  std::string difference(a.size(), '0');
  int borrow = 0;
  for (size_t k = a.size(); k-- > 0;) {
    int v = (a[k] - '0') - (b[k] - '0') - borrow;
    borrow = v < 0;
    if (borrow) v += 10;
    difference[k] = static_cast<char>('0' + v);
  }
  return difference;
}

// Both numbers brought to the same count of decimals and of digits.
void Align(Decimal& a, Decimal& b) {
  const size_t decimals = std::max(a.decimals, b.decimals);
  a.digits.append(decimals - a.decimals, '0');
  b.digits.append(decimals - b.decimals, '0');
  a.decimals = b.decimals = decimals;
  const size_t width = std::max(a.digits.size(), b.digits.size());
  a.digits.insert(0, width - a.digits.size(), '0');
  b.digits.insert(0, width - b.digits.size(), '0');
}

}  // namespace

std::string PlainDecimal(const std::string& text) {
  const std::string prefix = common::NumberPrefix(text);
  const size_t e = prefix.find_first_of("eE");
  Decimal d = Split(prefix.substr(0, e));
  if (e != std::string::npos) {
    const long exponent = std::clamp(std::strtol(prefix.c_str() + e + 1, nullptr, 10),
                                     -kExponentLimit, kExponentLimit);
    if (exponent > 0) {
      const size_t shift = static_cast<size_t>(exponent);
      if (shift > d.decimals) d.digits.append(shift - d.decimals, '0');
      d.decimals -= std::min(shift, d.decimals);
    } else {
      d.decimals += static_cast<size_t>(-exponent);
    }
  }
  return Text(d);
}

std::string AddDecimalSteps(const std::string& number, long long steps, int stepDecimals) {
  Decimal a = Split(number);
  Decimal b;
  b.negative = steps < 0;
  b.digits = std::to_string(steps < 0 ? -static_cast<unsigned long long>(steps)
                                      : static_cast<unsigned long long>(steps));
  b.decimals = static_cast<size_t>(std::max(stepDecimals, 0));
  Align(a, b);
  Decimal sum;
  sum.decimals = a.decimals;
  if (a.negative == b.negative) {
    sum.negative = a.negative;
    sum.digits = AddMagnitudes(a.digits, b.digits);
  } else if (a.digits >= b.digits) {  // same length: text order is number order
    sum.negative = a.negative;
    sum.digits = SubtractMagnitudes(a.digits, b.digits);
  } else {
    sum.negative = b.negative;
    sum.digits = SubtractMagnitudes(b.digits, a.digits);
  }
  return Text(sum);
}

}  // namespace console
