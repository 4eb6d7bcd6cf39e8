// Number texts in the form the whole system shares: the general float-to-text conversion
// (shortest text of at most 15 significant digits, exponent form for very large and very
// small magnitudes) and the strict text-to-float conversion that fails with ConversionError.
#pragma once

#include <limits>
#include <stdexcept>
#include <string>

namespace common {

// The hint and price arithmetic is specified in 80-bit extended precision.
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format");

class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// E.g. 0.1f -> "0.100000001490116", 1.08 -> "1.08", 1e20 -> "1E20", 1.5e-7 -> "1.5E-7".
std::string FloatToText(long double value);

// Leading and trailing blanks, a sign, digits with "." and an exponent; anything else
// (the empty text included) throws ConversionError with the message shown to the user.
long double TextToFloat(const std::string& text);

}  // namespace common
