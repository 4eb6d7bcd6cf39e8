#include "setup/core/origin_text.h"

#include <gtest/gtest.h>

using namespace setup;

namespace setup {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

TEST(OriginText, MarkSkippedRestLittleEndianUpToZero) {
  EXPECT_EQ(OriginCodeUnits(Bytes({0xFF, 0xFE, 'C', 0, ':', 0})), u"C:");
  EXPECT_EQ(OriginCodeUnits(Bytes({0xFE, 0xFF, 'C', 0, ':', 0})), u"C:");
  EXPECT_EQ(OriginCodeUnits(Bytes({'C', 0, ':', 0, 0x68, 0x88})), u"C:\x8868");
  EXPECT_EQ(OriginCodeUnits(Bytes({'C', 0, 0, 0, 'D', 0})), u"C");
  EXPECT_EQ(OriginCodeUnits(Bytes({'C', 0, 'D'})), u"C");  // an odd last byte
  EXPECT_EQ(OriginCodeUnits(""), u"");
  EXPECT_EQ(OriginCodeUnits(Bytes({0xFF, 0xFE})), u"");
}

TEST(OriginText, NamesTheInstallFolderItselfOnly) {
  const std::string folder = "C:\\Program Files\\MetaTrader 4";
  EXPECT_TRUE(OriginNamesFolder(folder, folder));
  EXPECT_TRUE(OriginNamesFolder("c:\\program files\\METATRADER 4\\ \r\n", folder));
  EXPECT_TRUE(OriginNamesFolder(folder, folder + "\\"));
  // Another installation whose folder name begins with the same text, or a shorter one.
  EXPECT_FALSE(OriginNamesFolder(folder + " Demo", folder));
  EXPECT_FALSE(OriginNamesFolder("C:\\Program Files\\MetaTrader", folder));
  EXPECT_FALSE(OriginNamesFolder(folder + "\\\\", folder));
  EXPECT_FALSE(OriginNamesFolder("0", folder));
  EXPECT_FALSE(OriginNamesFolder("", ""));
}

TEST(OriginText, CaseIgnoredOnlyForSingleByteLetters) {
  // ア is 83 41 and ャ 83 61: the second bytes differ only as "A" and "a" would.
  EXPECT_FALSE(OriginNamesFolder("C:\\MT4ア", "C:\\MT4ャ"));
  // 表 ends in 5C: not a trailing backslash.
  EXPECT_FALSE(OriginNamesFolder("C:\\表", "C:\\"));
  EXPECT_TRUE(OriginNamesFolder("C:\\表\\", "c:\\表"));
}

}  // namespace
}  // namespace setup
