#include "common/version_number.h"

#include "common/number_text.h"
#include "common/text.h"

namespace common {

float VersionNumber(const std::string& fileVersion) {
  std::string rest = fileVersion;
  std::string major = CutBefore(".", rest);
  if (major.empty()) major = "0";
  const float value = static_cast<float>(TextToFloat(major + "." + KeepDigits(rest)));
  // The nudge keeps a version that prints as 1.08 from comparing below a server's 1.08.
  return static_cast<float>(static_cast<long double>(value) + 5e-7L);
}

}  // namespace common
