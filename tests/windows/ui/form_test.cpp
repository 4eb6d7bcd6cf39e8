// The form: message reflection, menus, timers, closing, size semantics, top-most, colours of
// the background, letting messages through, and handler errors.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "common/win/seams.h"
#include "tests/windows/ui/sample_form.h"
#include "ui/dpi.h"
#include "ui/flash_control.h"

using namespace common;

namespace {

// Lets messages through until the condition holds or the time is up.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > milliseconds) return false;
    ui::ProcessMessages();
    Sleep(5);
  }
  return true;
}

void Pump(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

TEST(Form, CaptionAndWindowSizeIncludeTheFrame) {
  SampleForm form;
  EXPECT_EQ(form.Text(), "表ソ見本ﾃｽﾄ");
  EXPECT_EQ(form.Width(), 310);
  EXPECT_EQ(form.Height(), 290);
  EXPECT_LT(form.ClientWidth(), 310);
  EXPECT_LT(form.ClientHeight(), 290);
  form.SetBounds(100, 120, 255, 225);
  EXPECT_EQ(form.Left(), 100);
  EXPECT_EQ(form.Top(), 120);
  EXPECT_EQ(form.Width(), 255);
  EXPECT_EQ(form.Height(), 225);
  form.SetWidth(267);
  EXPECT_EQ(form.Left(), 100);
  EXPECT_EQ(form.Width(), 267);
  EXPECT_EQ(form.Height(), 225);
  form.SetClientHeight(150);
  EXPECT_EQ(form.ClientHeight(), 150);
  EXPECT_EQ(form.Width(), 267);
}

TEST(Form, ClientSizeArgumentSizesTheClientArea) {
  ui::Form form({.caption = "バージョン情報",
                 .clientWidth = 344,
                 .clientHeight = 184,
                 .border = ui::FormBorder::Dialog});
  EXPECT_EQ(form.ClientWidth(), 344);
  EXPECT_EQ(form.ClientHeight(), 184);
  ui::Form tool({.caption = "ニュース（Quorvex）",
                 .clientWidth = 340,
                 .clientHeight = 182,
                 .border = ui::FormBorder::Tool});
  EXPECT_EQ(tool.ClientWidth(), 340);
  EXPECT_TRUE(GetWindowLongPtrW(tool.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  ui::Form splash({.clientWidth = 442, .clientHeight = 305, .border = ui::FormBorder::None});
  EXPECT_EQ(splash.Width(), 442);
  EXPECT_EQ(splash.Height(), 305);
}

TEST(Form, ShowRunsOnShowEachTimeAndCloseHides) {
  SampleForm form;
  int shown = 0, closed = 0;
  bool allow = false;
  form.onShow = [&] { ++shown; };
  form.onCloseQuery = [&] { return allow; };
  form.onClose = [&] { ++closed; };
  form.Show();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(shown, 1);
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);  // refused by the query
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(closed, 0);
  allow = true;
  SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(closed, 1);
  form.Close();  // closing a hidden form still runs its handler
  EXPECT_EQ(closed, 2);
  form.Show();
  EXPECT_EQ(shown, 2);
}

TEST(Form, TopMostSwitchKeepsPlaceAndSize) {
  SampleForm form;
  form.SetBounds(50, 60, 255, 225);
  form.Show();
  form.SetTopMost(true);
  EXPECT_TRUE(form.TopMost());
  EXPECT_EQ(form.Left(), 50);
  EXPECT_EQ(form.Top(), 60);
  EXPECT_EQ(form.Width(), 255);
  form.SetTopMost(false);
  EXPECT_FALSE(form.TopMost());
  EXPECT_EQ(form.Height(), 225);
}

TEST(Form, MenuEntriesRunTheirHandlersAndKeepCaptions) {
  SampleForm form;
  std::vector<std::string> ran;
  form.SetMenuBar({{"ファイル(&F)",
                    {{"連携するMT4(&M)", [&] { ran.push_back("mt4"); }},
                     {"-", nullptr},
                     {"終了(&X)", [&] { ran.push_back("exit"); }}}},
                   {"ヘルプ(&H)", {{"ﾊﾞｰｼﾞｮﾝ情報(&V)", [&] { ran.push_back("ver"); }}}}});
  HMENU bar = GetMenu(form.Handle());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  wchar_t text[64];
  GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"ファイル(&F)");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
  GetMenuStringW(GetSubMenu(bar, 1), 0, text, 64, MF_BYPOSITION);
  EXPECT_STREQ(text, L"ﾊﾞｰｼﾞｮﾝ情報(&V)");
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(file, 2), 0), 0);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(GetSubMenu(bar, 1), 0), 0), 0);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(file, 0), 0), 0);
  EXPECT_EQ(ran, (std::vector<std::string>{"exit", "ver", "mt4"}));
  // The window size stays the form's size: the menu takes its room from the client area.
  EXPECT_EQ(form.Height(), 290);
}

TEST(Timer, FiresWhileEnabledAndStopsWhenDisabled) {
  SampleForm form;
  int ticks = 0;
  form.tmrTick.onTimer = [&] { ++ticks; };
  Pump(100);
  EXPECT_EQ(ticks, 0) << "created disabled";
  form.tmrTick.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 3000));
  form.tmrTick.SetEnabled(false);
  const int stopped = ticks;
  Pump(150);
  EXPECT_EQ(ticks, stopped);
  // A handler that switches its own timer off runs once (the "once" timers).
  ui::Timer once(form, {.interval = 10});
  int onceTicks = 0;
  once.onTimer = [&] {
    once.SetEnabled(false);
    ++onceTicks;
  };
  EXPECT_TRUE(PumpUntil([&] { return onceTicks == 1; }, 3000));
  Pump(100);
  EXPECT_EQ(onceTicks, 1);
  EXPECT_EQ(once.Interval(), 10u);
}

TEST(Timer, LongIntervalDoesNotFireEarly) {
  SampleForm form;
  ui::Timer slow(form, {.interval = 600000});
  int ticks = 0;
  slow.onTimer = [&] { ++ticks; };
  Pump(100);
  EXPECT_EQ(ticks, 0);
  slow.SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }, 3000));
}

TEST(ProcessMessages, DeliversQueuedMessagesAndKeepsAQuitRequest) {
  SampleForm form;
  int clicks = 0;
  form.cmdBuy.onClick = [&] { ++clicks; };
  PostMessageW(form.Handle(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(form.cmdBuy.Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(form.cmdBuy.Handle()));
  PostQuitMessage(3);
  EXPECT_TRUE(ui::ProcessMessages());  // told, and the request kept for the loop
  EXPECT_EQ(clicks, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST(Form, HandlerErrorGoesToTheExceptionBoxAndTheProgramGoesOn) {
  SetApplicationTitle("トレードQuorvex");
  std::vector<std::string> shown;
  Seams seams;
  seams.messageBox = [&](HWND, const std::string& text, const std::string& caption, UINT flags) {
    shown.push_back(text + "|" + caption + "|" + std::to_string(flags & MB_ICONMASK));
    return IDOK;
  };
  SeamOverride over(seams);
  SampleForm form;
  form.Show();
  form.cmdBuy.onClick = [] {
    throw std::runtime_error("'1..2' is not a valid floating point value");
  };
  SendMessageW(form.cmdBuy.Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "'1..2' is not a valid floating point value.|トレードQuorvex|" +
                          std::to_string(MB_ICONSTOP));
  form.txtPrice.onMouseMove = [](int, int) { throw 5; };
  SendMessageW(form.txtPrice.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], "|トレードQuorvex|" + std::to_string(MB_ICONSTOP));
}

TEST(Form, BackgroundIsPaintedInTheFormColour) {
  SampleForm form;
  form.SetBounds(30, 30, 310, 290);
  form.Show();
  form.Repaint();
  Pump(50);
  HDC dc = GetDC(form.Handle());
  EXPECT_EQ(GetPixel(dc, form.ClientWidth() - 3, form.ClientHeight() - 3), 0xFFCCCCu);
  ReleaseDC(form.Handle(), dc);
  form.SetColor(ui::kYellow);
  form.Repaint();
  dc = GetDC(form.Handle());
  EXPECT_EQ(GetPixel(dc, form.ClientWidth() - 3, form.ClientHeight() - 3), 0x00FFFFu);
  ReleaseDC(form.Handle(), dc);
}

TEST(Form, RestoreNormalKeepsAHiddenFormHidden) {
  SampleForm form;
  form.Show();
  ShowWindow(form.Handle(), SW_MINIMIZE);
  form.Hide();
  form.RestoreNormal();
  EXPECT_FALSE(IsIconic(form.Handle()));
  EXPECT_FALSE(form.Visible());
  form.SetBounds(10, 20, 360, 398);
  form.Show();
  EXPECT_EQ(form.Width(), 360);
  EXPECT_EQ(form.Left(), 10);
}

TEST(App, WorkAreaLiesOnTheScreen) {
  const RECT r = ui::DesktopWorkArea();
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_GT(r.bottom - r.top, 0);
  EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace

// A window that catches dropped files in its own dispatch, as the main window does.
class DropForm : public SampleForm {
 public:
  int drops = 0;
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == 0x233) {
      ++drops;
      return 0;
    }
    return Form::Dispatch(message, wParam, lParam);
  }
};

TEST(Form, OverriddenDispatchCatchesItsMessageAndPassesTheRest) {
  DropForm form;
  form.Show();
  int clicks = 0;
  form.cmdBuy.onClick = [&] { ++clicks; };
  SendMessageW(form.Handle(), WM_DROPFILES, 0, 0);
  SendMessageW(form.cmdBuy.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(form.drops, 1);
  EXPECT_EQ(clicks, 1);
}

TEST(Form, TransparencyStepsUpToOpaque) {
  SampleForm form;
  EXPECT_EQ(form.Alpha(), 255);
  form.SetAlpha(50);
  form.Show();
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 50);
  EXPECT_TRUE(flags & LWA_ALPHA);
  int ticks = 0;
  while (form.Alpha() < 255) {
    form.SetAlpha(static_cast<BYTE>(form.Alpha() + 5));
    ++ticks;
  }
  EXPECT_EQ(ticks, 41);
  ASSERT_TRUE(GetLayeredWindowAttributes(form.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 255);
}

TEST(FlashControl, ColourForAMomentThenBackAndFocus) {
  SampleForm form;
  form.Show();
  form.cmdBuy.SetFocus();
  std::vector<std::pair<DWORD, COLORREF>> waits;
  Seams seams;
  seams.sleep = [&](DWORD ms) { waits.emplace_back(ms, form.txtPrice.Color()); };
  SeamOverride over(seams);
  form.txtPrice.SetColor(0xCCFFCC);
  ui::FlashControl(ui::kYellow, form.txtPrice);
  EXPECT_EQ(waits, (std::vector<std::pair<DWORD, COLORREF>>{{400, 0x00FFFF}, {200, 0xCCFFCC}}));
  EXPECT_EQ(form.txtPrice.Color(), 0xCCFFCCu);
  EXPECT_TRUE(form.txtPrice.Focused());
  // The whole form flashes the same way.
  waits.clear();
  seams.sleep = [&](DWORD ms) { waits.emplace_back(ms, form.Color()); };
  SeamOverride formOver(seams);
  ui::FlashControl(0xFFFF, form);
  EXPECT_EQ(waits, (std::vector<std::pair<DWORD, COLORREF>>{{400, 0x00FFFF}, {200, 0xFFCCCC}}));
  EXPECT_EQ(form.Color(), 0xFFCCCCu);
}

namespace {

int FontHeight(HWND hwnd) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font);
  return -font.lfHeight;
}

int DroppedHeight(const ui::ComboBox& combo) {
  RECT r{};
  SendMessageW(combo.Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  return r.bottom - r.top;
}

}  // namespace

// Moved to a display of twice the DPI, the form goes to the system's rectangle and every
// control, font and fitted label grows twice over; moved back, everything is as it was.
TEST(Form, NewDisplayDpiLaysTheFormOutAtTheSuggestedRectangle) {
  SampleForm form;
  ui::Label big{form, {.text = "BUY 買い", .left = 10, .top = 230, .font = {.height = 16}}};
  form.Show();
  const int dpi = form.Dpi();
  EXPECT_EQ(form.Scale(240), ScaleToDpi(240, dpi));
  const RECT home = ui::PlaceOf(form.Handle());
  const RECT buy = ui::PlaceOf(form.cmdBuy.Handle());
  const int comboList = DroppedHeight(form.cmbSetName);
  const int bigWidth = big.Width();
  const int formFont = FontHeight(form.cmdBuy.Handle());
  const int bigFont = FontHeight(big.Handle());
  auto moveTo = [&](int newDpi, RECT suggested) {
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
  };

  const RECT wide{40, 30, 40 + 2 * (home.right - home.left), 30 + 2 * (home.bottom - home.top)};
  moveTo(2 * dpi, wide);
  EXPECT_EQ(form.Dpi(), 2 * dpi);
  EXPECT_EQ(form.Scale(240), ScaleToDpi(240, 2 * dpi));
  const RECT now = ui::PlaceOf(form.Handle());
  EXPECT_EQ(now.left, wide.left);
  EXPECT_EQ(now.top, wide.top);
  EXPECT_EQ(now.right, wide.right);
  EXPECT_EQ(now.bottom, wide.bottom);
  const RECT buy2 = ui::PlaceOf(form.cmdBuy.Handle());
  EXPECT_EQ(buy2.left, 2 * buy.left);
  EXPECT_EQ(buy2.top, 2 * buy.top);
  EXPECT_EQ(buy2.right - buy2.left, 2 * (buy.right - buy.left));
  EXPECT_EQ(buy2.bottom - buy2.top, 2 * (buy.bottom - buy.top));
  EXPECT_EQ(FontHeight(form.cmdBuy.Handle()), 2 * formFont);
  EXPECT_EQ(FontHeight(big.Handle()), 2 * bigFont);
  EXPECT_NEAR(big.Width(), 2 * bigWidth, 3);
  // The system gives an edit margins for each new font; the value keeps the whole edit.
  EXPECT_EQ(SendMessageW(form.txtPrice.Handle(), EM_GETMARGINS, 0, 0), 0);
  // The drop-down list keeps its length; the system counts it less the edit, whose height
  // follows the font.
  EXPECT_NEAR(DroppedHeight(form.cmbSetName), 2 * comboList, 20);

  moveTo(dpi, home);
  EXPECT_EQ(form.Dpi(), dpi);
  const RECT back = ui::PlaceOf(form.cmdBuy.Handle());
  EXPECT_EQ(back.left, buy.left);
  EXPECT_EQ(back.bottom, buy.bottom);
  EXPECT_EQ(FontHeight(form.cmdBuy.Handle()), formFont);
  EXPECT_EQ(big.Width(), bigWidth);
  EXPECT_NEAR(DroppedHeight(form.cmbSetName), comboList, 10);
}
