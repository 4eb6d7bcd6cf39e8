// The Tab key through the console and the settings window, at 96 DPI and through
// wine-dpi-launch.sh at 144 and 192: the order of the console's stops, and every edit showing
// its value from the first character once the focus has left it.
#include <memory>
#include <vector>

#include "settings/Setting1.h"
#include "settings/core/setting_table.h"
#include "tests/windows/console/console_fixture.h"
#include "ui/app.h"

namespace {

// Tab from `first` round to it again: the controls reached (a combo box for its edit). Every
// edit with a text shows its first character once left; `scrolled` counts those that did not
// while the focus was in them.
std::vector<HWND> TabWalk(const ui::Form& form, HWND first, int* scrolled = nullptr) {
  std::vector<HWND> stops{first};
  SetFocus(first);
  while (stops.size() < 100) {
    const HWND focus = GetFocus();
    wchar_t kind[8] = {};
    GetClassNameW(focus, kind, 8);
    const bool edit = lstrcmpiW(kind, L"Edit") == 0 && GetWindowTextLengthW(focus) > 0;
    const auto firstX = [focus] {
      return static_cast<short>(LOWORD(SendMessageW(focus, EM_POSFROMCHAR, 0, 0)));
    };
    if (edit && scrolled && firstX() < 0) ++*scrolled;
    PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
    ui::ProcessMessages();
    if (edit) {
      EXPECT_GE(firstX(), 0) << "left by its tail: " << GetDlgCtrlID(stops.back());
    }
    const ui::Control* at = form.ControlOf(GetFocus());
    if (!at || at->Handle() == first) break;
    stops.push_back(at->Handle());
  }
  return stops;
}

TEST_F(ConsoleTest, EveryEditShowsItsFirstCharacterOnceTheFocusLeavesIt) {
  auto setting = std::make_unique<TSetting>(conv->Session.ForSettingsWindow());
  Setting = setting.get();
  conv->tmrNowPrice.SetEnabled(false);
  conv->Show();
  conv->cmdUpDownClick();
  conv->cmdSettingLeftClick();
  setting->StopReadBack();  // every edit stays enabled, as at the start
  conv->txtNowPrice.SetText("1.30500");
  conv->txtPrice.SetText("-12.5");
  conv->txtPending.SetText("BuyLimit");
  const char* values[] = {"12", "10", "0.5", "0.75", "-12.5"};
  int n = 0;
  for (int row : settings::ControlRowOrder())
    if (!settings::IsCheckBoxRow(row)) setting->EditOf(row).SetText(values[n++ % 5]);
  setting->EditOf(settings::kRowTradeComment).SetText(std::string(60, '0') + ".75");

  int scrolled = 0;
  EXPECT_GT(TabWalk(*conv, conv->cmdUpDown.Handle()).size(), 30U) << conv->Dpi() << " DPI";
  EXPECT_EQ(TabWalk(*setting, setting->cmdEASetting.Handle(), &scrolled).size(),
            3 + settings::ControlRowOrder().size())
      << setting->Dpi() << " DPI";
  EXPECT_GT(scrolled, 0);  // the narrow boxes showed their tails while the trader was in them
  Setting = nullptr;
}

TEST_F(ConsoleTest, TabFollowsTheConsoleFromTopToBottomWithOneStopPerLotGroup) {
  conv->Show();
  conv->cmdUpDownClick();
  conv->rdo_Times5.SetChecked(true);
  std::vector<HWND> expected;
  for (const ui::Control* c : std::vector<const ui::Control*>{
           &conv->cmdUpDown,     &conv->rdo_Times5,      &conv->cmdBuy,
           &conv->cmdSell,       &conv->cmd_NANPIN,      &conv->cmdCloseBuy,
           &conv->cmdCloseSell,  &conv->cmdCloseAll,     &conv->chk_FrontMost,
           &conv->chkNoShift,    &conv->txtNowPrice,     &conv->cmdSettingLeft,
           &conv->txtPrice,      &conv->cmdPriceUp100,   &conv->cmdPriceDown100,
           &conv->cmdPriceUp10,  &conv->cmdPriceDown10,  &conv->cmdPriceUp,
           &conv->cmdPriceDown,  &conv->cmdGetPrice,     &conv->TrackBar1,
           &conv->chkPlusMinus,  &conv->cmdBuyStop,      &conv->cmdSellLimit,
           &conv->cmdDeleteBuy,  &conv->cmdBuyLimit,     &conv->cmdSellStop,
           &conv->cmdDeleteSell, &conv->chkRenzoku,      &conv->cmbRenzoku,
           &conv->chkAutoFWD,    &conv->cmdDeleteAll,    &conv->cmdPending,
           &conv->txtPending,    &conv->cmdExecTerminal, &conv->cmdRevUpDw})
    expected.push_back(c->Handle());
  EXPECT_EQ(TabWalk(*conv, conv->cmdUpDown.Handle()), expected);
}

}  // namespace
