// The console on a display of more dots per inch: the same window, every figure scaled. Runs in
// the shared prefix at 96 DPI, where nothing may change, and through wine-dpi-launch.sh in a
// prefix of its own at 144 and 192 DPI; QX_EXPECT_DPI names the DPI the launcher set.
#include "ui/dpi.h"

#include <cstdlib>
#include <memory>

#include "settings/Setting1.h"
#include "tests/windows/console/console_fixture.h"
#include "ui/app.h"

namespace {

int ExpectedDpi() {
  const char* dpi = std::getenv("QX_EXPECT_DPI");
  return dpi && std::atoi(dpi) > 0 ? std::atoi(dpi) : 96;
}

// Within a pixel of the 96-DPI figure scaled: each figure is rounded once.
void ExpectScaled(int actual, int pixels) {
  EXPECT_NEAR(actual, pixels * ExpectedDpi() / 96.0, 1.0)
      << pixels << " pixels at " << ExpectedDpi() << " DPI";
}

void ExpectPlace(HWND hwnd, int left, int top, int width, int height) {
  const RECT r = ui::PlaceOf(hwnd);
  ExpectScaled(r.left, left);
  ExpectScaled(r.top, top);
  ExpectScaled(r.right - r.left, width);
  ExpectScaled(r.bottom - r.top, height);
}

int FontHeight(HWND hwnd) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

void ExpectInCorner(const Tconv& window, int width, int height) {
  const RECT area = ui::DesktopWorkArea();
  ExpectScaled(window.Width(), width);
  ExpectScaled(window.Height(), height);
  EXPECT_EQ(window.Left() + window.Width(), area.right);
  EXPECT_EQ(window.Top() + window.Height(), area.bottom);
}

TEST_F(ConsoleTest, MainWindowSizesButtonsAndFontsFollowTheDisplay) {
  ASSERT_EQ(ui::WindowDpi(conv->Handle()), ExpectedDpi());
  EXPECT_EQ(conv->Dpi(), ExpectedDpi());
  ExpectInCorner(*conv, 255, 225);
  ExpectPlace(conv->cmdBuy.Handle(), 4, 64, 78, 30);
  ExpectScaled(FontHeight(conv->cmdBuy.Handle()), 12);
  conv->cmdUpDownClick();
  ExpectInCorner(*conv, 267, 467);
  conv->cmdUpDownClick();
  conv->chkPlusMinus.SetChecked(true);
  ExpectInCorner(*conv, 267, 225);
}

TEST_F(ConsoleTest, LayoutButtonSwitchesAtTheScaledThreshold) {
  conv->Show();
  const int threshold = conv->Scale(240);
  ExpectScaled(threshold, 240);
  conv->SetHeight(threshold - 1);
  conv->cmdUpDownClick();
  EXPECT_EQ(conv->cmdUpDown.Text(), "▼");
  ExpectInCorner(*conv, 267, 467);
  conv->SetHeight(threshold);
  conv->cmdUpDownClick();
  EXPECT_EQ(conv->cmdUpDown.Text(), "▲");
  ExpectInCorner(*conv, 255, 225);
}

TEST_F(ConsoleTest, SettingsWindowDocksFlushToTheScaledConsole) {
  auto setting = std::make_unique<TSetting>(conv->Session.ForSettingsWindow());
  Setting = setting.get();
  conv->Show();
  conv->cmdUpDownClick();
  conv->cmdSettingLeftClick();
  ASSERT_TRUE(setting->Visible());
  ExpectScaled(setting->Width(), 360);
  ExpectScaled(setting->Height(), 398);
  ExpectPlace(setting->cmdEASetting.Handle(), 8, 5, 65, 23);
  ExpectScaled(FontHeight(setting->cmdEASetting.Handle()), 12);
  EXPECT_EQ(setting->Left() + setting->Width(), conv->Left());
  EXPECT_EQ(setting->Top(), conv->Top());
  Setting = nullptr;
}

}  // namespace
