#include "console/core/console_config.h"

#include <gtest/gtest.h>

using namespace console;

namespace {

constexpr float kOwn = 1.0800005f;

ConsoleConfig Read(const std::string& text, IniExtras* extras = nullptr) {
  ConsoleConfig config;
  IniExtras e = ParseIniText(text, kOwn, config);
  if (extras) *extras = e;
  return config;
}

TEST(ConsoleConfigText, EveryKeyReadWithAnySeparatorByte) {
  IniExtras extras;
  ConsoleConfig c = Read(
      "ReadMe 1\r\nRevision=2.5\r\nNewision:3\r\nflgNotNews=1\r\nTrackBar1=70\r\n"
      "cmbSetName=攻め\r\nMT4Path=C:\\MT4\\terminal.exe\r\nDataPath\tD:\\data",
      &extras);
  EXPECT_EQ(c.ReadMe, "1");
  EXPECT_EQ(c.Revision, "2.5");
  EXPECT_FLOAT_EQ(c.RevisionValue, 2.5f);
  EXPECT_EQ(c.Newision, "3");
  EXPECT_FLOAT_EQ(c.NewisionValue, 3.0f);
  EXPECT_EQ(c.flgNotNews, "1");
  EXPECT_EQ(extras.trackBar, 70);
  EXPECT_TRUE(extras.setNameRead);
  EXPECT_EQ(c.LastSetName, "攻め");
  EXPECT_EQ(c.MT4Path, "C:\\MT4\\terminal.exe");
  EXPECT_EQ(c.DataPath, "D:\\data");  // last line without CR LF
}

TEST(ConsoleConfigText, KeyByPrefixLaterLineWinsUnknownIgnored) {
  ConsoleConfig c = Read(
      "MT4PathX=C:\\x\r\nFoo=bar\r\n\r\nMT4Path=C:\\first\r\nMT4Path=C:\\second\r\n"
      "ReadMe=\r\n");
  EXPECT_EQ(c.MT4Path, "C:\\second");
  c = Read("MT4PathX=C:\\x\r\n");
  EXPECT_EQ(c.MT4Path, "=C:\\x");
  // A key line without separator or value gives the empty value.
  c = Read("ReadMe\r\n");
  EXPECT_EQ(c.ReadMe, "");
  // LF alone does not end a line: the rest stays in the value.
  c = Read("flgNotNews=1\nReadMe=1\r\n");
  EXPECT_EQ(c.flgNotNews, "1\nReadMe=1");
  EXPECT_EQ(c.ReadMe, "");
}

TEST(ConsoleConfigText, TrackBarLimitedAndAbsentKeepsSlider) {
  IniExtras e;
  Read("TrackBar1=150\r\n", &e);
  EXPECT_EQ(e.trackBar, 100);
  Read("TrackBar1=-20\r\n", &e);
  EXPECT_EQ(e.trackBar, 0);
  Read("TrackBar1=abc\r\n", &e);
  EXPECT_EQ(e.trackBar, 0);
  Read("", &e);
  EXPECT_FALSE(e.trackBar.has_value());
  EXPECT_FALSE(e.setNameRead);
}

TEST(ConsoleConfigText, NumbersFlooredAtOwnVersionTextsKept) {
  ConsoleConfig c = Read("Revision=1.2.3\r\nNewision=20240105\r\n");
  EXPECT_EQ(c.Revision, "1.2.3");
  EXPECT_FLOAT_EQ(c.RevisionValue, 1.2f);
  EXPECT_FLOAT_EQ(c.NewisionValue, 20240105.0f);

  c = Read("Revision=Rev0.5\r\nNewision=abc\r\n");
  EXPECT_EQ(c.Revision, "Rev0.5");
  EXPECT_EQ(c.RevisionValue, kOwn);
  EXPECT_EQ(c.Newision, "abc");
  EXPECT_EQ(c.NewisionValue, kOwn);

  c = Read("");
  EXPECT_EQ(c.RevisionValue, kOwn);
  EXPECT_EQ(c.NewisionValue, kOwn);
}

TEST(ConsoleConfigText, WriterOrderAndOnlyKnownKeys) {
  ConsoleConfig c = Read(
      "Unknown=1\r\ncmbSetName=守り\r\nDataPath=D:\\d\r\nMT4Path=C:\\m\\terminal.exe\r\n"
      "Revision=0.1\r\nReadMe=1\r\nNewision=n7\r\nflgNotNews=0\r\nTrackBar1=10\r\n");
  EXPECT_EQ(BuildIniText(c, 35, "守り"),
            "ReadMe=1\r\nRevision=0.1\r\nNewision=n7\r\nflgNotNews=0\r\nTrackBar1=35\r\n"
            "MT4Path=C:\\m\\terminal.exe\r\nDataPath=D:\\d\r\ncmbSetName=守り\r\n");
  EXPECT_EQ(BuildIniText(ConsoleConfig{}, 50, ""),
            "ReadMe=\r\nRevision=\r\nNewision=\r\nflgNotNews=\r\nTrackBar1=50\r\nMT4Path=\r\n"
            "DataPath=\r\ncmbSetName=\r\n");
}

TEST(ConsoleConfigText, WrittenTextReadsBackTheSame) {
  ConsoleConfig c;
  c.ReadMe = "1";
  c.Revision = "1.5";
  c.Newision = "12";
  c.flgNotNews = "1";
  c.MT4Path = "C:\\表\\terminal.exe";
  c.DataPath = "D:\\x=y";
  ConsoleConfig back;
  IniExtras e = ParseIniText(BuildIniText(c, 0, "ソ"), kOwn, back);
  EXPECT_EQ(back.ReadMe, c.ReadMe);
  EXPECT_EQ(back.Revision, c.Revision);
  EXPECT_EQ(back.Newision, c.Newision);
  EXPECT_EQ(back.flgNotNews, c.flgNotNews);
  EXPECT_EQ(back.MT4Path, c.MT4Path);
  EXPECT_EQ(back.DataPath, c.DataPath);
  EXPECT_EQ(back.LastSetName, "ソ");
  EXPECT_EQ(e.trackBar, 0);
}

}  // namespace
