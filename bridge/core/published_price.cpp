#include "bridge/core/published_price.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace bridge {

void FormatDecimalText(char* buffer, float value) {
  char text[32];
  int length = 0;
  float f = value;
  if (f < 0) {
    text[length++] = '-';
    f = -f;
  }
  // Past 10 characters the field cannot hold the integer part; such a value (and one that is
  // no number at all) still has to read as a price, so it becomes 0.
  if (!(f < 1e10f)) {
    std::strcpy(buffer, "0");
    return;
  }
  const float whole = std::trunc(f);
  char digits[16];
  int n = 0;
  for (uint64_t d = static_cast<uint64_t>(whole); n == 0 || d > 0; d /= 10)
    digits[n++] = static_cast<char>('0' + d % 10);
  if (length + n > kPriceTextWidth) {
    std::strcpy(buffer, "0");
    return;
  }
  while (n > 0) text[length++] = digits[--n];
  text[length++] = '.';

  // Each digit comes from ten times the single-precision fraction left over; the product is
  // exact in double precision and is rounded back to single precision for the next step.
  // The digit is taken from that rounded value, not from the exact product: a product just
  // below an integer (0.7 gives 6.99999988) rounds up to it, and a digit cut from the product
  // would leave a whole unit as the next fraction and write ':' where the 10 goes.
  float digit = whole;
  while (length < kPriceTextWidth) {
    f -= digit;  // exact: digit is the integer part of f
    f = static_cast<float>(10.0 * f);
    digit = std::trunc(f);
    text[length++] = static_cast<char>('0' + static_cast<int>(digit));
  }
  std::memcpy(buffer, text, kPriceTextWidth);
  buffer[kPriceTextWidth] = '\0';
}

std::string PriceText(double price) {
  char buffer[kPriceTextWidth + 1];
  // Beyond the single-precision range the value cannot fit the field either.
  FormatDecimalText(buffer, std::fabs(price) < 1e30 ? static_cast<float>(price) : NAN);
  return buffer;
}

}  // namespace bridge
