// The splash: its window and labels, the flashing, the version check against the local server
// and its closing.
#include "common/win/text_file.h"
#include "tests/windows/update/web_check_fixture.h"
#include "ui/app.h"

namespace {

constexpr char kVersionTxt[] = "soft/Attestation/VQuorvexStd/Version.txt";
constexpr char kQuestion[] =
    "「トレードQuorvex」の新しいバージョンが出ています\n"
    "自動ダウンロード出来ます！！\n"
    "ダウンロードしますか？";

class SplashTest : public WebCheckTest {
 protected:
  // The check as its timer runs it, three seconds after the splash was created.
  void Check() {
    splash->Show();
    splash->tmrVerCheck.SetEnabled(true);
    Tick(*splash, splash->tmrVerCheck);
  }
};

TEST_F(SplashTest, WindowLabelsAndPlace) {
  EXPECT_EQ(splash->Text(), "あなたの夢をGET");
  EXPECT_EQ(splash->ClientWidth(), 442);
  EXPECT_EQ(splash->ClientHeight(), 305);
  EXPECT_FALSE(GetWindowLongW(splash->Handle(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
  EXPECT_EQ(splash->Color(), ui::kLime);
  const RECT area = ui::DesktopWorkArea();
  EXPECT_EQ(splash->Top(), (area.bottom - area.top - splash->Height()) / 2);
  EXPECT_EQ(splash->Left(), (area.right - area.left - splash->Width()) / 2);
  EXPECT_EQ(splash->Label1.Text(), "裁量トレードも、一発注文！！");
  EXPECT_EQ(splash->Label3.TextColor(), ui::kRed);
  EXPECT_EQ(splash->lbl_Ver.Text(), "Ver. 1.08");
  EXPECT_FALSE(splash->lbl_Ver.Visible());
  EXPECT_FALSE(splash->lbl_BCB.Visible());
  EXPECT_FALSE(splash->tmrClose.Enabled());
  EXPECT_EQ(splash->tmrVerCheck.Interval(), 3000u);
}

TEST_F(SplashTest, FlashingFromTheFifthTickAndGrowingDots) {
  splash->Show();
  splash->Timer1.SetEnabled(false);  // driven by hand below
  splash->Timer1.SetEnabled(true);
  for (int k = 0; k < 4; ++k) Tick(*splash, splash->Timer1);
  EXPECT_FALSE(splash->lbl_Ver.Visible());
  Tick(*splash, splash->Timer1);
  EXPECT_TRUE(splash->lbl_Ver.Visible());
  EXPECT_TRUE(splash->lbl_BCB.Visible());
  EXPECT_EQ(splash->Label3.TextColor(), 0x9900FFu);
  EXPECT_FALSE(splash->Timer1.Enabled());

  splash->tmr_FLASH_ON.SetEnabled(true);
  Tick(*splash, splash->tmr_FLASH_ON);
  EXPECT_EQ(splash->lbl_Ver.Text(), "Ver. 1.08");
  EXPECT_FALSE(splash->lbl_BCB.Text().empty());
  EXPECT_FALSE(splash->tmr_FLASH_ON.Enabled());
  EXPECT_TRUE(splash->tmr_FLASH_OFF.Enabled());

  splash->lbl_CheckVer.SetText("　新しいバージョンをチェック中");
  Tick(*splash, splash->tmr_FLASH_OFF);
  EXPECT_EQ(splash->lbl_Ver.Text(), "");
  EXPECT_TRUE(splash->tmr_FLASH_ON.Enabled());
  EXPECT_EQ(splash->lbl_CheckVer.Text(), "　新しいバージョンをチェック中。");
  splash->lbl_CheckVer.SetText("　最新版です！！");
  splash->tmr_FLASH_OFF.SetEnabled(true);
  Tick(*splash, splash->tmr_FLASH_OFF);
  EXPECT_EQ(splash->lbl_CheckVer.Text(), "　最新版です！！");
}

TEST_F(SplashTest, NewerVersionAsksAndNoKeepsTheConsole) {
  Serve(kVersionTxt, "1.5\r\nhttp://127.0.0.1:9/x.lzh\r\n");
  answers = {IDNO};
  Check();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, kQuestion);
  EXPECT_EQ(messages[0].caption, "確認");
  EXPECT_EQ(messages[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_FALSE(splash->Visible());
  EXPECT_EQ(conv->LatestVersionText, "1.5");
  EXPECT_EQ(conv->UpdateArchiveUrl, "http://127.0.0.1:9/x.lzh");
  EXPECT_TRUE(splash->tmrClose.Enabled());
  EXPECT_FALSE(splash->tmrVerCheck.Enabled());
}

// A notice saved with a bare LF (or a blank after the version) still names the version, and
// the downloader would get it without them.
TEST_F(SplashTest, VersionLineEndedByLineFeedIsOffered) {
  for (const char* notice : {"1.5\n", "1.5 \r"}) {
    Serve(kVersionTxt, notice);
    messages.clear();
    Check();
    ASSERT_EQ(messages.size(), 1u) << notice;
    EXPECT_EQ(messages[0].text, kQuestion);
    EXPECT_EQ(conv->LatestVersionText, "1.5");
  }
}

TEST_F(SplashTest, EqualOrOlderVersionIsUpToDate) {
  for (const char* version : {"1.08", "1.05\r\n"}) {
    Serve(kVersionTxt, version);
    splash->tmrClose.SetEnabled(false);
    Check();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(splash->Visible());
    EXPECT_EQ(splash->lbl_CheckVer.Text(), "　最新版です！！");
    EXPECT_TRUE(splash->tmrClose.Enabled());
    EXPECT_EQ(conv->UpdateArchiveUrl, "");  // no address line
  }
}

TEST_F(SplashTest, UnreachableServerLeavesNoCloseTimer) {
  Unreachable();
  conv->LatestVersionText = "stale";
  Check();
  EXPECT_EQ(conv->LatestVersionText, "");
  EXPECT_EQ(splash->lbl_CheckVer.Text(), "");
  EXPECT_FALSE(splash->tmrClose.Enabled());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SplashTest, MalformedVersionShowsTheConversionError) {
  Serve(kVersionTxt, "1..2\r\n");
  Check();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("1..2"), std::string::npos);
  EXPECT_TRUE(messages[0].flags & MB_ICONSTOP);
  EXPECT_FALSE(splash->tmrClose.Enabled());
  EXPECT_TRUE(splash->Visible());
}

TEST_F(SplashTest, ClickBeforeTheCheckClosesAndStartsTheRevisionTimer) {
  splash->Show();
  EXPECT_TRUE(splash->Shown);
  splash->tmrVerCheck.SetEnabled(true);
  EXPECT_FALSE(conv->tmrRevCheck.Enabled());
  SendMessageW(splash->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  SendMessageW(splash->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_FALSE(splash->Visible());
  EXPECT_FALSE(splash->Shown);
  for (const ui::Timer* t : {&splash->tmr_FLASH_ON, &splash->tmr_FLASH_OFF, &splash->Timer1,
                             &splash->tmr_SetFocus, &splash->tmrClose, &splash->tmrVerCheck})
    EXPECT_FALSE(t->Enabled());
  EXPECT_TRUE(conv->tmrRevCheck.Enabled());
}

}  // namespace
