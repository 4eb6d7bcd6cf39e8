#include "setup/core/setup_config.h"

#include <gtest/gtest.h>

using namespace setup;

namespace setup {
namespace {

TEST(SetupConfig, KeysByPrefixInReadOrderValuesByteForByte) {
  SetupConfig c;
  LoadIniKeys(
      "ReadMe=1\r\nRevision= 2.5 \r\nNewision=3\r\nflgNotNews=1\r\nTrackBar1=70\r\n"
      "MT4Path=C:\\MT4\\terminal.exe\r\nDataPath=D:\\x\r\ncmbSetName=攻め\r\n"
      "cmbIndName=ind\r\ncmbClzName=clz",
      c);
  EXPECT_EQ(c.ReadMe, "1");
  EXPECT_EQ(c.Revision, " 2.5 ");  // blanks after "=" and at the end are kept
  EXPECT_EQ(c.Newision, "3");
  EXPECT_EQ(c.flgNotNews, "1");
  EXPECT_EQ(c.TrackBar1, "70");
  EXPECT_EQ(c.MT4Path, "C:\\MT4\\terminal.exe");
  EXPECT_EQ(c.cmbSetName, "攻め");
  EXPECT_EQ(c.cmbIndName, "ind");
  EXPECT_EQ(c.cmbClzName, "clz");  // a last line without CR LF
}

TEST(SetupConfig, PrefixKeysRepeatedKeysAndAbsentKeys) {
  SetupConfig c;
  c.MT4Path = "C:\\earlier\\terminal.exe";
  c.cmbIndName = "kept";
  LoadIniKeys("ReadMeFirst=x\r\nRevision=1\r\n\r\nRevision=2\r\nOther=9\r\n", c);
  EXPECT_EQ(c.ReadMe, "irst=x");  // one byte after the six letters of the key
  EXPECT_EQ(c.Revision, "2");
  EXPECT_EQ(c.MT4Path, "C:\\earlier\\terminal.exe");
  EXPECT_EQ(c.cmbIndName, "kept");
  LoadIniKeys("", c);
  EXPECT_EQ(c.Revision, "2");
}

TEST(SetupConfig, ProIniHoldsNineLinesInOrder) {
  SetupConfig c;
  LoadIniKeys(
      "cmbClzName=z\r\nMT4Path=C:\\表\\terminal.exe\r\nReadMe=1\r\nTrackBar1= 50\r\n"
      "DataPath=dropped\r\n",
      c);
  EXPECT_EQ(ProIniText(c),
            "ReadMe=1\r\nRevision=\r\nNewision=\r\nflgNotNews=\r\nTrackBar1= 50\r\n"
            "MT4Path=C:\\表\\terminal.exe\r\ncmbSetName=\r\ncmbIndName=\r\ncmbClzName=z\r\n");
}

}  // namespace
}  // namespace setup
