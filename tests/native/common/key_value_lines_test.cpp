#include "common/key_value_lines.h"

#include <gtest/gtest.h>

using namespace common;

namespace {

TEST(KeyValueLines, LinesSkipEmptyAndKeepLfOnlyTogether) {
  auto lines = KeyValueTextLines("a=1\r\n\r\nb=2\nc=3\r\nlast");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "a=1");
  EXPECT_EQ(lines[1], "b=2\nc=3");
  EXPECT_EQ(lines[2], "last");
}

TEST(KeyValueLines, KeyByPrefixSeparatorAnyByte) {
  const std::vector<std::string> keys = {"ReadMe", "MT4Path", "Revision"};
  std::string value;
  EXPECT_EQ(MatchKeyLine("ReadMe 1", keys, &value), 0);
  EXPECT_EQ(value, "1");
  EXPECT_EQ(MatchKeyLine("MT4PathX=C:\\x", keys, &value), 1);
  EXPECT_EQ(value, "=C:\\x");
  EXPECT_EQ(MatchKeyLine("Revision", keys, &value), 2);
  EXPECT_EQ(value, "");
  EXPECT_EQ(MatchKeyLine("Other=1", keys, &value), -1);
  // A shorter key listed first shadows a longer one that begins with it.
  EXPECT_EQ(MatchKeyLine("NpLoss10=5", {"NpLoss1", "NpLoss10"}, &value), 0);
  EXPECT_EQ(value, "=5");
}

TEST(KeyValueLines, WriterUsesEqualsAndCrLf) {
  EXPECT_EQ(BuildKeyValueText({{"A", "1"}, {"B", ""}}), "A=1\r\nB=\r\n");
}

}  // namespace
