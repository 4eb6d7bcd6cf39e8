#include "console/core/server_notices.h"

#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/version_number.h"

using namespace common;
using namespace console;

namespace {

TEST(VersionLabel, FromFileVersions) {
  EXPECT_EQ(VersionLabelText(VersionNumber("1.0.8.0")), "Ver. 1.08");
  EXPECT_EQ(VersionLabelText(VersionNumber("1.2.3.4")), "Ver. 1.234");
  // "##.###" gives a fifth character "0": two decimals instead.
  EXPECT_EQ(VersionLabelText(VersionNumber("2.0.1.0")), "Ver. 2.01");
  EXPECT_EQ(VersionLabelText(VersionNumber("1.0.0.0")), "Ver. 1.00");
  EXPECT_EQ(VersionLabelText(VersionNumber("1.3.5.0")), "Ver. 1.35");  // 1.350: fifth is "0"
}

TEST(VersionLabel, ShortAndOddTexts) {
  // Three characters or fewer: one decimal and an added "0".
  EXPECT_EQ(VersionLabelText(1.5f), "Ver. 1.50");
  EXPECT_EQ(VersionLabelText(64.0f), "Ver. 640");
  EXPECT_EQ(VersionLabelText(0.0f), "Ver. 00");
  // Four characters have no fifth: taken as they are.
  EXPECT_EQ(VersionLabelText(12.5f), "Ver. 12.5");
  // The mask places integer digits, it never cuts them.
  EXPECT_EQ(VersionLabelText(123.25f), "Ver. 123.25");
  // A missing version resource leaves only the nudge, written with an exponent.
  EXPECT_EQ(VersionLabelText(VersionNumber("")).substr(0, 9), "Ver. 4.99");
}

TEST(Notice, LinesNeedTheirLineEnds) {
  NoticeLines only = SplitNotice("1.23");
  EXPECT_EQ(only.first, "1.23");
  EXPECT_FALSE(only.second);

  // A URL line without its CR LF is not taken.
  NoticeLines cut = SplitNotice("1.23\r\nhttp://host/a.lzh");
  EXPECT_EQ(cut.first, "1.23");
  EXPECT_FALSE(cut.second);

  NoticeLines both = SplitNotice("1.23\r\nhttp://host/a.lzh\r\nmore\r\n");
  EXPECT_EQ(both.first, "1.23");
  EXPECT_EQ(both.second, "http://host/a.lzh");

  EXPECT_EQ(SplitNotice("1.5\r\n\r\n").second, "");  // an empty URL line empties the address
  NoticeLines empty = SplitNotice("");
  EXPECT_EQ(empty.first, "");
  EXPECT_FALSE(empty.second);
}

// Each download takes its own notice's address line, and only over https.
TEST(Notice, ArchiveAddressIsTheNoticesOwnAndSecure) {
  const std::string fallback = "https://www.quorvex.example/soft/download/VQuorvexStd/ZqDL.lzh";
  EXPECT_EQ(ArchiveAddress(std::nullopt, fallback), fallback);
  EXPECT_EQ(ArchiveAddress("", fallback), fallback);
  EXPECT_EQ(ArchiveAddress("https://mirror.example/a.lzh", fallback),
            "https://mirror.example/a.lzh");
  EXPECT_EQ(ArchiveAddress("HTTPS://mirror.example:8443/a.lzh", fallback),
            "HTTPS://mirror.example:8443/a.lzh");
  for (const char* line : {"http://mirror.example/a.lzh", "ftp://mirror.example/a.lzh",
                           "mirror.example/a.lzh", "https://", " https://mirror.example/a"})
    EXPECT_FALSE(ArchiveAddress(line, fallback)) << line;
}

// A version notice saved by hand ends its only line with LF or a blank: still the version.
TEST(Notice, VersionTextLeavesOutWhatEndsTheLine) {
  EXPECT_EQ(VersionText("1.5\n"), "1.5");
  EXPECT_EQ(VersionText("1.5 \t\r\n\n"), "1.5");
  EXPECT_EQ(VersionText("1.5"), "1.5");
  EXPECT_EQ(VersionText(" 1.5"), " 1.5");
  EXPECT_EQ(VersionText("\r\n "), "");
  EXPECT_EQ(VersionText("1.5\nhttps://x/\n"), "1.5\nhttps://x/");  // not a line of its own
  EXPECT_EQ(LatestVersionNumber(VersionText(SplitNotice("1.5\n").first)), 1.5f);
}

TEST(Notice, LatestVersionIsStrict) {
  EXPECT_EQ(LatestVersionNumber(""), 0.0f);
  EXPECT_EQ(LatestVersionNumber("1.5"), 1.5f);
  EXPECT_EQ(LatestVersionNumber("1.2345"), 1.2345f);  // six characters
  EXPECT_EQ(LatestVersionNumber("1.23456"), 0.0f);    // seven: no version
  EXPECT_EQ(LatestVersionNumber("v1.5"), 1.5f);       // only digits and points count
  EXPECT_EQ(LatestVersionNumber("abc"), 0.0f);
  EXPECT_THROW(LatestVersionNumber("1..2"), ConversionError);
  EXPECT_THROW(LatestVersionNumber("."), ConversionError);
  // The own version carries its nudge: an equal server version is not newer.
  EXPECT_FALSE(LatestVersionNumber("1.08") > VersionNumber("1.0.8.0"));
  EXPECT_TRUE(LatestVersionNumber("1.081") > VersionNumber("1.0.8.0"));
}

TEST(Notice, RevisionIsTolerantUpToSevenBytes) {
  EXPECT_EQ(RevisionNumber(""), 0.0f);
  EXPECT_EQ(RevisionNumber("1.5"), 1.5f);
  EXPECT_EQ(RevisionNumber("1.23456"), 1.23456f);  // seven characters
  EXPECT_EQ(RevisionNumber("1.234567"), 0.0f);     // eight: revision 0
  EXPECT_EQ(RevisionNumber("1..2"), 1.0f);
  EXPECT_EQ(RevisionNumber("rev"), 0.0f);
  EXPECT_EQ(RevisionArchivePath("1.5"), "soft/download/VQuorvexStd/RevUpEA_1.5.lzh");
}

// A notice line ends up between quotes on the downloader's command line, in a file name and in
// a line of the configuration file: one that could reach beyond them is no version at all.
TEST(Notice, LinesThatWouldBreakOutOfQuotesOrNamesAreNoVersion) {
  EXPECT_EQ(LatestVersionNumber("2\" -x"), 0.0f);
  EXPECT_EQ(LatestVersionNumber("2\tx"), 0.0f);
  // A lead byte would take the closing quote after it as its second half.
  EXPECT_EQ(LatestVersionNumber("9 -a\x81"), 0.0f);
  EXPECT_EQ(LatestVersionNumber("9 -a\xE0"), 0.0f);
  EXPECT_EQ(LatestVersionNumber("9 -a"), 9.0f);
  EXPECT_EQ(LatestVersionNumber("版9"), 0.0f);
  EXPECT_EQ(RevisionNumber("版9"), 9.0f);  // a file name takes it as it stands
  EXPECT_EQ(RevisionNumber("9\\x"), 0.0f);
  EXPECT_EQ(RevisionNumber("9/x"), 0.0f);
  EXPECT_EQ(RevisionNumber("9:x"), 0.0f);
  EXPECT_EQ(RevisionNumber("9\nMT=1"), 0.0f);
  EXPECT_EQ(RevisionNumber("9?"), 0.0f);
  EXPECT_EQ(RevisionNumber("ソ9"), 0.0f);  // its second byte is a backslash
  EXPECT_EQ(RevisionNumber("rev 9"), 9.0f);
}

TEST(News, ListLinesAndNewest) {
  NewsList list = ReadNewsList("105\r\n104\r\n");
  EXPECT_EQ(list.lines, (std::vector<std::string>{"105", "104"}));
  EXPECT_EQ(list.newest, "105");
  EXPECT_FALSE(list.noNews);

  // A last line without CR LF counts; an empty first line is listed, the newest is the next.
  list = ReadNewsList("\r\n105\r\n104");
  EXPECT_EQ(list.lines, (std::vector<std::string>{"", "105", "104"}));
  EXPECT_EQ(list.newest, "105");

  EXPECT_TRUE(ReadNewsList("").lines.empty());
  EXPECT_EQ(NewsPagePath("105"), "soft/Attestation/PlodaQuorvex/News/105.htm");
}

TEST(News, LongLineMeansNoNews) {
  const std::string twenty(20, '1');
  NewsList list = ReadNewsList("105\r\n" + twenty + "\r\n104");
  EXPECT_FALSE(list.noNews);
  EXPECT_EQ(list.lines.size(), 3u);

  list = ReadNewsList("105\r\n" + twenty + "1\r\n104");
  EXPECT_TRUE(list.noNews);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"105"}));  // what came before stays
  EXPECT_TRUE(ReadNewsList(twenty + "1").noNews);
}

TEST(News, IdsUpToSevenBytes) {
  EXPECT_EQ(NewsIdNumber("105"), 105.0f);
  EXPECT_EQ(NewsIdNumber("1234567"), 1234567.0f);
  EXPECT_EQ(NewsIdNumber("12345678"), 0.0f);  // eight digits: never news by itself
  EXPECT_EQ(NewsIdNumber(""), 0.0f);
  EXPECT_EQ(NewsIdNumber("n106"), 106.0f);
}

}  // namespace
