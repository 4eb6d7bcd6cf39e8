// Exact decimal arithmetic on price texts. A price moved by whole steps of 0.01 or 0.0001 must
// land on the sum to the point; binary floating point lands one point below it often enough
// (150.300 less ten steps of 0.01 would go out as 150.199).
#pragma once

#include <string>

namespace console {

// The number a tolerant read takes from the text (the numeric prefix, 0 when there is none),
// written as a plain decimal: an optional "-", digits, and a point with digits when it has
// decimals. An exponent moves the point: "1.5E2" gives "150".
std::string PlainDecimal(const std::string& text);

// number + steps × 10^-stepDecimals, exactly, as a plain decimal text. number is a plain
// decimal ("150.25", ".5", "7."); the result keeps the decimals of both and has no leading
// zeros before its integer digit ("150.25" and 5 steps of 2 decimals give "150.30").
std::string AddDecimalSteps(const std::string& number, long long steps, int stepDecimals);

}  // namespace console
