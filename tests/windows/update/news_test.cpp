// The news check against the local server and the news window: when it opens by itself, the
// menu entry, the slide and fade, stepping through the items and closing.
#include <iterator>

#include "common/win/text_file.h"
#include "tests/windows/update/web_check_fixture.h"
#include "ui/app.h"

namespace {

constexpr char kNewsTxt[] = "soft/Attestation/VQuorvexStd/News.txt";
constexpr char kRevisionQuestion[] =
    "「ＥＡ（ex4）」の新しいリビジョンが出ています\n自動ダウンロード出来ます！！\n"
    "ダウンロードしますか？";

class NewsTest : public WebCheckTest {
 protected:
  // A console started with this configuration file and this news list on the server.
  void Start(const std::string& ini, const std::string& list) {
    ASSERT_TRUE(WriteTextFile(ini, IniPath()));
    conv->ReadIni();
    Serve(kNewsTxt, list);
  }
  std::string Page(const std::string& id) const {
    return Root() + "soft/Attestation/PlodaQuorvex/News/" + id + ".htm";
  }
  std::string Ini(const std::string& key) const {
    const std::string text = IniText();
    const size_t at = text.find(key + "=");
    if (at == std::string::npos) return "(none)";
    const size_t from = at + key.size() + 1;
    return text.substr(from, text.find("\r\n", from) - from);
  }
  // No news: the timer says nothing, the menu says so; "Newision" stays 104 and the window shut.
  void ExpectNoNews() {
    conv->tmrNewsCheckTimer();
    EXPECT_TRUE(messages.empty());
    conv->mnuNewsClick();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "ニュースは有りません");
    EXPECT_FALSE(news->Visible());
    EXPECT_EQ(Ini("Newision"), "104");
  }
};

TEST_F(NewsTest, NewerItemOpensTheWindowOnIt) {
  Start("Newision=104\r\n", "105\r\n104\r\n");
  Tick(*conv, conv->tmrNewsCheck);
  EXPECT_FALSE(conv->tmrNewsCheck.Enabled());
  ASSERT_TRUE(news->Visible());
  EXPECT_EQ(news->ListBox1.ItemCount(), 2);
  EXPECT_EQ(news->ListBox1.ItemIndex(), 0);
  EXPECT_TRUE(news->cmdNew.Visible());
  EXPECT_TRUE(news->cmdOld.Visible());
  EXPECT_FALSE(news->cmdNew.Enabled());
  EXPECT_TRUE(news->cmdOld.Enabled());
  EXPECT_EQ(news->wbINFO.lastAddress(), Page("105"));
  EXPECT_EQ(news->wbINFO.lastFlags(), 14);
  EXPECT_EQ(Ini("Newision"), "105");
}

TEST_F(NewsTest, NotNewsFlagKeepsItClosedButRecords) {
  Start("Newision=104\r\nflgNotNews=1\r\n", "105\r\n104\r\n");
  conv->tmrNewsCheckTimer();
  EXPECT_FALSE(news->Visible());
  EXPECT_EQ(Ini("Newision"), "105");
  conv->mnuNewsClick();  // still newer than what the start read: the flag holds
  EXPECT_FALSE(news->Visible());
  // After a restart the same item is no longer newer, and the menu entry shows it.
  Start("Newision=105\r\nflgNotNews=1\r\n", "105\r\n104\r\n");
  conv->mnuNewsClick();
  EXPECT_TRUE(news->Visible());
}

TEST_F(NewsTest, EqualIdOpensOnlyFromTheMenu) {
  Start("Newision=105\r\n", "105\r\n104\r\n");
  conv->tmrNewsCheckTimer();
  EXPECT_FALSE(news->Visible());
  conv->mnuNewsClick();
  EXPECT_TRUE(news->Visible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(NewsTest, LongLineMeansNoNews) {
  Start("Newision=104\r\n", "105\r\n" + std::string(21, '1') + "\r\n");
  ExpectNoNews();
}

// A list that does not come (a missing file, a body cut short) is no news either.
TEST_F(NewsTest, MissingListIsNoNewsAndKeepsWhatWasAnnounced) {
  ASSERT_TRUE(WriteTextFile("Newision=104\r\n", IniPath()));
  conv->ReadIni();  // and no News.txt on the server
  ExpectNoNews();
}

// The news and revision checks falling due together, and the news entry clicked while the
// revision check fetches: what comes while the first check's fetch waits runs in its turn
// once that fetch has ended. The revision is offered and the news shown, in either order.
TEST_F(NewsTest, ChecksMeetingAFetchWaitTheirTurn) {
  Start("Newision=104\r\n", "105\r\n104\r\n");
  Serve("soft/Attestation/VQuorvexStd/Revision.txt", "1.5\r\n");
  const UINT newsEntry = GetMenuItemID(GetSubMenu(GetMenu(conv->Handle()), 1), 3);
  // The first check, and what comes from the queue while its fetch waits.
  const struct {
    const ui::Timer& first;
    UINT message;
    WPARAM what;
  } rounds[] = {
      {conv->tmrRevCheck, WM_TIMER, conv->tmrNewsCheck.Id()},
      {conv->tmrNewsCheck, WM_TIMER, conv->tmrRevCheck.Id()},
      {conv->tmrRevCheck, WM_COMMAND, newsEntry},
  };
  for (size_t round = 0; round < std::size(rounds); ++round) {
    news->Close();
    messages.clear();
    conv->tmrRevCheck.SetEnabled(true);
    conv->tmrNewsCheck.SetEnabled(true);
    PostMessageW(conv->Handle(), rounds[round].message, rounds[round].what, 0);
    Tick(*conv, rounds[round].first);
    const ULONGLONG until = GetTickCount64() + 30000;
    while (!(news->Visible() && !messages.empty()) && GetTickCount64() < until) {
      ui::ProcessMessages();
      Sleep(20);
    }
    EXPECT_TRUE(news->Visible()) << round;
    ASSERT_EQ(messages.size(), 1u) << round;
    EXPECT_EQ(messages[0].text, kRevisionQuestion) << round;
  }
}

TEST_F(NewsTest, SteppingThroughTheItems) {
  Start("Newision=104\r\n", "106\r\n105\r\n104\r\n");
  conv->mnuNewsClick();
  news->cmdNew.Click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "最新です！");
  news->cmdOld.Click();
  EXPECT_EQ(news->wbINFO.lastAddress(), Page("105"));
  EXPECT_TRUE(news->cmdNew.Enabled());
  news->cmdOld.Click();
  EXPECT_EQ(news->wbINFO.lastAddress(), Page("104"));
  EXPECT_FALSE(news->cmdOld.Enabled());
  news->cmdOld.Click();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, "最後です！");
  news->cmdNew.Click();
  news->cmdNew.Click();
  EXPECT_EQ(news->ListBox1.ItemIndex(), 0);
  EXPECT_FALSE(news->cmdNew.Enabled());
}

TEST_F(NewsTest, SlidesFadesAndClosingWritesTheFlag) {
  Start("Newision=104\r\n", "105\r\n");
  conv->mnuNewsClick();
  EXPECT_FALSE(news->cmdNew.Visible());  // one item: no stepping
  const RECT area = ui::DesktopWorkArea();
  const int height = area.bottom - area.top;
  EXPECT_EQ(news->Top(), height);
  EXPECT_EQ(news->Left(), 5);
  EXPECT_EQ(news->Alpha(), 50);
  news->tmrStart.SetEnabled(false);  // ticked by hand
  news->tmrStart.SetEnabled(true);
  Tick(*news, news->tmrStart);
  EXPECT_EQ(news->Top(), height - 3);
  EXPECT_EQ(news->Alpha(), 55);
  for (int k = 0; k < 200; ++k) Tick(*news, news->tmrStart);
  EXPECT_EQ(news->Alpha(), 255);
  EXPECT_LE(news->Top(), height - news->Height());
  EXPECT_GT(news->Top(), height - news->Height() - 3);

  news->chkNoVisible.SetChecked(false);
  news->Close();
  EXPECT_FALSE(news->tmrStart.Enabled());
  EXPECT_EQ(news->Top(), height);
  EXPECT_EQ(Ini("flgNotNews"), "0");

  // A second opening starts at the newest item, opaque; closing with the box ticked writes "1".
  Serve(kNewsTxt, "105\r\n104\r\n");
  conv->mnuNewsClick();
  ASSERT_TRUE(news->Visible());
  EXPECT_EQ(news->ListBox1.ItemIndex(), 0);
  EXPECT_TRUE(news->cmdOld.Enabled());
  EXPECT_EQ(news->Alpha(), 255);
  news->chkNoVisible.SetChecked(true);
  news->Close();
  EXPECT_EQ(Ini("flgNotNews"), "1");
}

}  // namespace
