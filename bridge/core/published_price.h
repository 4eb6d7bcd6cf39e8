// The price as the expert publishes it to the console: a 10-character decimal text of the
// price's single-precision value, digits cut (never rounded) where the field ends.
#pragma once

#include <string>

namespace bridge {

inline constexpr int kPriceTextWidth = 10;

// Writes the text and a NUL into buffer (kPriceTextWidth + 1 bytes). A value whose integer
// part and sign need more than 10 characters, and a value that is not a number, give "0".
void FormatDecimalText(char* buffer, float value);

// FormatDecimalText of the price rounded to the nearest single-precision value.
std::string PriceText(double price);

}  // namespace bridge
