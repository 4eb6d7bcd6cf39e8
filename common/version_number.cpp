#include "version_number.h"

#include "number_text.h"
#include "text.h"

float VersionNumber(const std::string& fileVersion) {
  std::string rest = fileVersion;
  std::string major = CutBefore(".", rest);
  if (major.empty()) major = "0";
  const float value = static_cast<float>(TextToFloat(major + "." + KeepDigits(rest)));
  // The nudge keeps a version that prints as 1.08 from comparing below a server's 1.08.
  return static_cast<float>(static_cast<long double>(value) + 5e-7L);
}
