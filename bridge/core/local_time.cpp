#include "bridge/core/local_time.h"

#include <cstdio>

namespace bridge {
namespace {

// Keeps a field within the digits it is given, whatever the broken-down time holds.
int Digits(int value, int modulus) {
  return ((value % modulus) + modulus) % modulus;
}

}  // namespace

std::string BuildLocalTimeText(const std::tm& local) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d", Digits(local.tm_year + 1900, 10000),
                Digits(local.tm_mon + 1, 100), Digits(local.tm_mday, 100),
                Digits(local.tm_hour, 100), Digits(local.tm_min, 100));
  return text;
}

int32_t GetTime(const std::tm& local) {
  const std::string text = BuildLocalTimeText(local);
  uint32_t n = 0;
  for (size_t i = 2; i < text.size(); ++i) n = n * 10 + static_cast<uint32_t>(text[i] - '0');
  return static_cast<int32_t>(n);
}

}  // namespace bridge
