#include "setup/core/origin_text.h"

#include "common/text.h"

namespace setup {

namespace {

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
    text.pop_back();
  return text;
}

std::string NormalFolder(const std::string& folder) {
  std::string text = WithoutTrailingBlanks(folder);
  if (!text.empty() && common::LastBackslash(text) == text.size() - 1) text.pop_back();
  return common::LowerAscii(text);
}

}  // namespace

std::u16string OriginCodeUnits(const std::string& bytes) {
  size_t i = 0;
  if (bytes.size() >= 2) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) i = 2;
  }
  std::u16string units;
  for (; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            (static_cast<unsigned char>(bytes[i + 1]) << 8));
    if (unit == 0) break;
    units.push_back(unit);
  }
  return units;
}

bool OriginNamesFolder(const std::string& originText, const std::string& installFolder) {
  const std::string folder = NormalFolder(installFolder);
  return !folder.empty() && NormalFolder(originText) == folder;
}

}  // namespace setup
