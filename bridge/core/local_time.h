// The expert's local time as one number YYMMDDhhmm, built from the machine's broken-down
// local time (the caller reads the clock).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace bridge {

// YYYYMMDDhhmm, every field with its leading zeros.
std::string BuildLocalTimeText(const std::tm& local);

// The text from its third character on, digit by digit in 32-bit arithmetic that wraps
// around (from 2022 the number leaves the signed range and turns negative).
int32_t GetTime(const std::tm& local);

}  // namespace bridge
