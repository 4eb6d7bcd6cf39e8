// The pieces under the extraction: names, the command line and the CRC.
#include <gtest/gtest.h>

#include "standins/unlha32/core/extract_command.h"
#include "standins/unlha32/core/lzh_archive.h"
#include "standins/unlha32/core/lzh_decoder.h"

namespace {

using Pieces = std::vector<std::string>;

Pieces Split(const std::string& name) {
  Pieces pieces;
  return lzh::SplitMemberName(name, pieces) ? pieces : Pieces{"<refused>"};
}

TEST(LzhNames, SeparatorsDotsAndDoubleByteCharacters) {
  EXPECT_EQ(Split("a/b\\c\xFF"
                  "d.txt"),
            (Pieces{"a", "b", "c", "d.txt"}));
  EXPECT_EQ(Split("a//./b/"), (Pieces{"a", "b"}));
  EXPECT_EQ(Split("ソ\\表"), (Pieces{"ソ", "表"}));  // 83 5C 5C 95 5C
  EXPECT_EQ(Split("..a/b..c/.d"), (Pieces{"..a", "b..c", ".d"}));
  EXPECT_EQ(Split("ｶﾅ.txt"), (Pieces{"ｶﾅ.txt"}));  // half-width katakana: single bytes
  EXPECT_EQ(Split(""), Pieces{});
  for (const char* bad : {"x\x81", "\x81\x20", "a\x80", "a\xFD", "com9.log", "Aux", "a/CONOUT$"})
    EXPECT_EQ(Split(bad), Pieces{"<refused>"}) << bad;
}

TEST(ExtractCommand, TheConsolesLine) {
  lzh::ExtractCommand command;
  ASSERT_TRUE(lzh::ParseExtractCommand(
      "x -+ -a2 -d1 -f0 -n1 -m1 \"C:\\My Files\\表 update.lzh\" \"C:\\Program Files\\Q Dir\\\"",
      command));
  EXPECT_EQ(command.archive, "C:\\My Files\\表 update.lzh");
  EXPECT_EQ(command.folder, "C:\\Program Files\\Q Dir\\");
  ASSERT_TRUE(lzh::ParseExtractCommand("x a.lzh out\\", command));
  EXPECT_EQ(command.archive, "a.lzh");
  EXPECT_EQ(command.folder, "out\\");
  ASSERT_TRUE(lzh::ParseExtractCommand("x \"-dash.lzh\" \"o\"", command));
  EXPECT_EQ(command.archive, "-dash.lzh");
}

TEST(ExtractCommand, RefusesOtherLines) {
  lzh::ExtractCommand command;
  for (const char* line : {"", "x", "x -a2 \"a.lzh\"", "a \"a.lzh\" \"o\\\"", "\"x\" a o",
                           "x \"a.lzh\" \"o\\\" extra", "x \"a.lzh o\\", "x \"\" \"o\""})
    EXPECT_FALSE(lzh::ParseExtractCommand(line, command)) << line;
}

TEST(LzhCrc, Crc16OfTheCheckString) {
  const std::string check = "123456789";
  EXPECT_EQ(lzh::Crc16(0, reinterpret_cast<const uint8_t*>(check.data()), check.size()), 0xBB3D);
  // In pieces the same as whole.
  const uint16_t first = lzh::Crc16(0, reinterpret_cast<const uint8_t*>(check.data()), 4);
  EXPECT_EQ(lzh::Crc16(first, reinterpret_cast<const uint8_t*>(check.data()) + 4, 5), 0xBB3D);
}

}  // namespace
