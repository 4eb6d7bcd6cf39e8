// The main window's life: what FormCreate sets up, the two layouts and their corner, the
// monitor tick, the marker page that closes the console, and closing.
#include <memory>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/Splash1.h"
#include "console/core/layout.h"
#include "console/startup_files.h"
#include "settings/Setting1.h"
#include "tests/windows/console/console_fixture.h"
#include "ui/app.h"

using namespace common;

namespace {

void ExpectInCorner(const Tconv& window, int width, int height) {
  const RECT area = ui::DesktopWorkArea();
  EXPECT_EQ(window.Width(), width);
  EXPECT_EQ(window.Height(), height);
  EXPECT_EQ(window.Left(), area.right - width);
  EXPECT_EQ(window.Top(), area.bottom - height);
}

TEST_F(ConsoleTest, CreationSetsUpFoldersMapsAndTheMarkerPage) {
  EXPECT_EQ(conv->Text(), "TradeQuorvex");
  EXPECT_EQ(conv->Color(), 0xFFCCCCu);
  ExpectInCorner(*conv, 255, 225);
  EXPECT_EQ(conv->cmdUpDown.Text(), "▲");
  EXPECT_FALSE(conv->cmdSettingLeft.Visible());
  EXPECT_FALSE(GetWindowLongW(conv->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX);

  EXPECT_EQ(conv->ExeFolder.back(), '\\');
  EXPECT_TRUE(FileExists(conv->ExeFolder + "windows_console_tests.exe"));
  EXPECT_EQ(conv->WindowsFolder.back(), '\\');
  EXPECT_TRUE(FolderExists(conv->WindowsFolder + "system32"));
  EXPECT_FLOAT_EQ(conv->OwnVersion, 1.0800005f);
  EXPECT_EQ(conv->HitCount, 0);

  EXPECT_EQ(conv->MarkerPagePath, conv->ExeFolder + "TradeQuorvex.htm");
  EXPECT_EQ(ReadTextFile(conv->MarkerPagePath),
            "<html>\r\n<head>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n</body>\r\n</html>\r\n");
  const DWORD attributes = GetFileAttributesW(SjisToWide(conv->MarkerPagePath).c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN));
  EXPECT_TRUE(FolderExists(conv->ExeFolder + "TradeQuorvex設定"));

  for (SharedTextMap* map : {&conv->CommandMap, &conv->PriceMap, &conv->InfoMap}) {
    ASSERT_TRUE(map->IsOpen());
    EXPECT_EQ(map->Size(), kConsoleMapSize);
  }
}

TEST_F(ConsoleTest, LayoutButtonSwitchesSizesInTheCornerAndClosesTheSplash) {
  TSplash splash(conv->Session);
  Splash = &splash;
  splash.Show();
  conv->Show();
  conv->cmdUpDown.Click();
  ExpectInCorner(*conv, 267, 467);
  EXPECT_EQ(conv->cmdUpDown.Text(), "▼");
  EXPECT_TRUE(conv->cmdSettingLeft.Visible());
  EXPECT_FALSE(splash.Visible());
  conv->cmdUpDownClick();
  ExpectInCorner(*conv, 255, 225);
  EXPECT_EQ(conv->cmdUpDown.Text(), "▲");
  EXPECT_FALSE(conv->cmdSettingLeft.Visible());
  // A click closes the splash too.
  splash.Show();
  splash.Form_Click();
  EXPECT_FALSE(splash.Visible());
  Splash = nullptr;
}

TEST_F(ConsoleTest, PlusMinusWidensAndReanchors) {
  conv->chkPlusMinus.SetChecked(true);
  ExpectInCorner(*conv, 267, 225);
  conv->chkPlusMinus.SetChecked(false);
  ExpectInCorner(*conv, 267, 225);
  conv->SetLeft(10);
  conv->chkPlusMinusClick();
  ExpectInCorner(*conv, 267, 225);
}

TEST_F(ConsoleTest, FrontMostBox) {
  auto topMost = [] { return (GetWindowLongW(conv->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  conv->Show();
  conv->chk_FrontMost.SetChecked(true);
  EXPECT_TRUE(topMost());
  conv->chk_FrontMost.SetChecked(false);
  EXPECT_FALSE(topMost());
  ExpectInCorner(*conv, 255, 225);
}

TEST_F(ConsoleTest, SettingsButtonDocksTheSettingsWindowOnTheLeft) {
  auto setting = std::make_unique<TSetting>(conv->Session.ForSettingsWindow());
  Setting = setting.get();
  conv->Show();
  EXPECT_TRUE(conv->SettingMap.IsOpen());
  EXPECT_EQ(conv->SettingMap.Size(), kSettingMapSize);
  conv->cmdUpDownClick();
  conv->cmdSettingLeft.Click();
  EXPECT_TRUE(setting->Visible());
  EXPECT_EQ(setting->Top(), conv->Top());
  EXPECT_EQ(setting->Left(), conv->Left() - setting->Width());
  conv->cmdSettingLeftClick();
  EXPECT_FALSE(setting->Visible());
  // With Shift held after the settings were sent, the button does nothing.
  conv->SettingStatus = "SendOK";
  shiftDown = true;
  conv->cmdSettingLeftClick();
  EXPECT_FALSE(setting->Visible());
  conv->SettingStatus = "ReadOK";
  conv->cmdSettingLeftClick();
  EXPECT_TRUE(setting->Visible());
  Setting = nullptr;
}

TEST_F(ConsoleTest, MonitorShowsPricePreviewColourPendingAndCount) {
  SetPrice("1.30500");
  SetCommand("BuyLimit_1.0=1.23450");
  SetInfo("PelmorarInfo\r\nHitCount=-3\r\n");
  conv->chkPlusMinus.SetChecked(true);
  conv->TrackBar1.SetPosition(40);
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtNowPrice.Text(), "1.30500");
  EXPECT_EQ(conv->txtPrice.Text(), "1.30600");  // what an order sends now
  EXPECT_EQ(conv->TrackBar1.Hint(), "+10");
  EXPECT_EQ(conv->txtPrice.Color(), 0xCCFFCCu);
  EXPECT_EQ(conv->txtPending.Text(), "BuyLimit");
  EXPECT_EQ(conv->txtPending.Color(), 0xFFFFAAu);
  EXPECT_EQ(conv->HitCount, -3);

  // Without following, the typed price stays and only its colour changes.
  conv->chkPlusMinus.SetChecked(false);
  conv->txtPrice.SetText("1.2");
  SetPrice("150.25");
  SetCommand("");
  SetInfo("HitCount=2\r\nPelmorarInfo\r\n");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtNowPrice.Text(), "150.250");
  EXPECT_EQ(conv->txtPrice.Text(), "1.2");
  EXPECT_EQ(conv->TrackBar1.Hint(), "");
  EXPECT_EQ(conv->txtPrice.Color(), 0xAAFFFFu);
  EXPECT_EQ(conv->txtPending.Text(), "Nothing");
  EXPECT_EQ(conv->txtPending.Color(), 0x80000005u);
  EXPECT_EQ(conv->HitCount, 10000);

  conv->txtPrice.SetText("150.250");
  SetCommand("CloseAll");
  SetInfo("PelmorarInfo\r\nHitCount=1\r\nHitCount:\r\n");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtPrice.Color(), 0xFFFFFFu);
  EXPECT_EQ(conv->txtPending.Color(), 0x99FF99u);
  EXPECT_EQ(conv->HitCount, 0);

  // A box that holds no number keeps its colour.
  conv->txtPrice.SetText("");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtPrice.Color(), 0xFFFFFFu);
}

TEST_F(ConsoleTest, MonitorWaitsWhileThePriceMapIsEmptyOrZero) {
  SetPrice("150.25");
  SetCommand("Sell_1.0");
  SetInfo("PelmorarInfo\r\nHitCount=4");
  conv->tmrNowPriceTimer();
  ASSERT_EQ(conv->txtPending.Text(), "Sell");
  conv->chkNoShift.SetChecked(true);
  conv->txtPrice.SetText("1.23450");
  // "1.2.3" passes the digits-and-points test but is no number: an error box from the tick
  // would come back every second, so it counts as not ready too.
  for (const char* notReady : {"", "0", "abc", "1.2.3"}) {
    SetPrice(notReady);
    SetInfo("PelmorarInfo\r\nHitCount=-9");
    // An order given now waits for the expert and stays in sight.
    conv->cmdBuyLimitClick();
    conv->tmrNowPriceTimer();
    EXPECT_EQ(Command(), "BuyLimit_1.0=1.23450") << notReady;
    EXPECT_EQ(conv->txtPending.Text(), "BuyLimit") << notReady;
    EXPECT_EQ(conv->txtPending.Color(), 0xFFFFAAu);
    EXPECT_EQ(conv->txtNowPrice.Text(), "150.250");
    EXPECT_EQ(conv->HitCount, 4);
    SetCommand("");  // nothing waiting: the box stays empty
    conv->tmrNowPriceTimer();
    EXPECT_EQ(conv->txtPending.Text(), "") << notReady;
  }
  // 0.00000 is a price of 0, not an empty map.
  SetCommand("Nanpin");
  SetPrice("0.00000");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtNowPrice.Text(), "0");
  EXPECT_EQ(conv->txtPending.Text(), "Nanpin");
  EXPECT_EQ(conv->txtPending.Color(), 0x00FFFFu);
  EXPECT_EQ(conv->HitCount, -9);
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConsoleTest, DeletedMarkerPageClosesTheConsoleOnTheNextTick) {
  conv->Show();
  SetPrice("150.25");
  ASSERT_TRUE(DeleteFileAt(conv->MarkerPagePath));
  conv->tmrNowPriceTimer();
  EXPECT_FALSE(conv->Visible());
  EXPECT_FALSE(conv->CommandMap.IsOpen());
  EXPECT_FALSE(conv->PriceMap.IsOpen());
  EXPECT_FALSE(conv->InfoMap.IsOpen());
  EXPECT_EQ(conv->txtNowPrice.Text(), "");  // nothing else was done
}

// A folder in the way of the marker page makes its write fail, as a program folder the
// trader may not write to does.
class UnwritableMarkerPageTest : public ConsoleTest {
 protected:
  void SetUp() override {
    blocker_ = SjisToWide(GetExeFolder() + kRunMarkerPageName);
    DeleteFileAt(WideToSjis(blocker_));
    ASSERT_TRUE(CreateDirectoryW(blocker_.c_str(), nullptr));
    ConsoleTest::SetUp();
  }
  void TearDown() override {
    ConsoleTest::TearDown();
    RemoveDirectoryW(blocker_.c_str());
  }

 private:
  std::wstring blocker_;
};

TEST_F(UnwritableMarkerPageTest, PageThatWasNeverWrittenDoesNotCloseTheConsole) {
  ASSERT_FALSE(FileExists(conv->MarkerPagePath));
  conv->Show();
  SetPrice("150.25");
  conv->tmrNowPriceTimer();
  conv->tmrNowPriceTimer();
  EXPECT_TRUE(conv->Visible());
  EXPECT_TRUE(conv->PriceMap.IsOpen());
  EXPECT_EQ(conv->txtNowPrice.Text(), "150.250");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConsoleTest, ExitClosesMapsAndRemovesTheMarkerPage) {
  conv->Show();
  ASSERT_TRUE(FileExists(conv->MarkerPagePath));
  conv->mnuExitClick();
  EXPECT_FALSE(conv->Visible());
  EXPECT_FALSE(conv->CommandMap.IsOpen());
  EXPECT_FALSE(conv->PriceMap.IsOpen());
  EXPECT_FALSE(conv->SettingMap.IsOpen());
  EXPECT_FALSE(conv->InfoMap.IsOpen());
  EXPECT_FALSE(FileExists(conv->MarkerPagePath));
}

TEST_F(ConsoleTest, ShowingRemovesALeftOverDownloader) {
  const std::string downloader = conv->ExeFolder + "ZqDL.exe";
  ASSERT_TRUE(WriteTextFile("MZ", downloader));
  conv->Show();
  EXPECT_FALSE(FileExists(downloader));
}

TEST_F(ConsoleTest, MenuBarEntries) {
  HMENU bar = GetMenu(conv->Handle());
  ASSERT_NE(bar, nullptr);
  auto caption = [](HMENU menu, int index) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, index, text, 64, MF_BYPOSITION);
    return WideToSjis(text);
  };
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(caption(bar, 0), "ファイル(&F)");
  EXPECT_EQ(caption(bar, 1), "ヘルプ(&H)");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(caption(file, 0), "連携するMT4(&M)");
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(caption(file, 2), "終了(&X)");
  HMENU help = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(help), 4);
  EXPECT_EQ(caption(help, 0), "使い方(&T)");
  EXPECT_EQ(caption(help, 1), "ﾊﾞｰｼﾞｮﾝ情報(&V)");
  EXPECT_EQ(caption(help, 2), "ReadMeの表示(&R)");
  EXPECT_EQ(caption(help, 3), "ニュース(&N)");
}

}  // namespace
