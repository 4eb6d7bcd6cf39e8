#include "setup/core/setup_report.h"

#include <gtest/gtest.h>

using namespace setup;

namespace setup {
namespace {

TEST(SetupReport, ClosingTextSaysWhatHappened) {
  EXPECT_EQ(SetupReport().Text(), "\r\n\r\n  セットアップコピーは行われませんでした！");

  SetupReport copied;
  copied.AddCopied("PelmorarStd.ex4");
  copied.AddCopied("PelmoraStd108.dll");
  EXPECT_EQ(copied.Text(),
            "PelmorarStd.ex4\r\nPelmoraStd108.dll\r\n"
            "\r\n\r\n  以上のファイルがセットアップされコピーされした！"
            "\r\n\r\n  ご確認後このメモ帳は閉じて下さい！");
  EXPECT_EQ(copied.Copied(), 2);

  // A file that did not get there is named and the text claims no success.
  SetupReport partly;
  partly.AddCopied("PelmorarStd.ex4");
  partly.AddNotCopied("PelmoraStd108.dll");
  EXPECT_EQ(partly.Text(),
            "PelmorarStd.ex4\r\nPelmoraStd108.dll  ＜コピーできませんでした＞\r\n"
            "\r\n\r\n  コピーできなかったファイルがあります！\r\n"
            "  そのファイルは手動でセットアップして下さい"
            "\r\n\r\n  ご確認後このメモ帳は閉じて下さい！");
  SetupReport none;
  none.AddNotCopied("a.mqh");
  EXPECT_EQ(none.Copied(), 0);
  EXPECT_EQ(none.NotCopied(), 1);
  EXPECT_EQ(none.Text().find("セットアップされコピーされした"), std::string::npos);
}

TEST(SetupReport, TerminalNotStartedAgainIsNamedAfterTheFiles) {
  SetupReport report;
  EXPECT_TRUE(report.TerminalStarted());
  report.AddCopied("PelmorarStd.ex4");
  report.AddTerminalNotStarted("C:\\MT4 表\\terminal.exe");
  EXPECT_FALSE(report.TerminalStarted());
  EXPECT_EQ(report.Text(),
            "PelmorarStd.ex4\r\n"
            "\r\n\r\n  以上のファイルがセットアップされコピーされした！"
            "\r\n\r\n  メタトレーダー４「C:\\MT4 表\\terminal.exe」を再起動できませんでした！"
            "\r\n\r\n  ご確認後このメモ帳は閉じて下さい！");
  SetupReport none;
  none.AddTerminalNotStarted("C:\\MT4\\terminal.exe");
  EXPECT_EQ(none.Text(),
            "\r\n\r\n  セットアップコピーは行われませんでした！"
            "\r\n\r\n  メタトレーダー４「C:\\MT4\\terminal.exe」を再起動できませんでした！");
}

TEST(SetupReport, MessageTextIsTheReportWithoutNotepad) {
  SetupReport partly;
  partly.AddNotCopied("PelmoraStd108.dll");
  partly.AddCopied("PelmorarStd.ex4");
  EXPECT_EQ(partly.MessageText(),
            "PelmoraStd108.dll  ＜コピーできませんでした＞\r\nPelmorarStd.ex4\r\n"
            "\r\n\r\n  コピーできなかったファイルがあります！\r\n"
            "  そのファイルは手動でセットアップして下さい");
  // Nothing copied: the closing text alone, without the blank lines in front of it.
  EXPECT_EQ(SetupReport().MessageText(), "  セットアップコピーは行われませんでした！");
}

TEST(SetupReport, TextsAreShiftJis) {
  // Twenty double-byte characters after the blank lines; "セ" is 83 5A.
  const std::string text = SetupReport().Text();
  EXPECT_EQ(text.size(), 4u + 2u + 2u * 20u);
  EXPECT_EQ(static_cast<unsigned char>(kSetupReportFileName[0]), 0x83);
  EXPECT_EQ(static_cast<unsigned char>(kSetupReportFileName[1]), 0x5A);
}

}  // namespace
}  // namespace setup
