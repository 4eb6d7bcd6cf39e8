// The market, close, delete and cancel buttons: their command texts, the Shift rule and the
// hedge guard that comes before it.
#include <functional>

#include "tests/windows/console/console_fixture.h"

namespace {

struct ButtonCase {
  const char* name;
  std::function<void()> click;
  const char* command;
};

std::vector<ButtonCase> FixedTextButtons() {
  return {
      {"NANPIN", [] { conv->cmd_NANPIN.Click(); }, "Nanpin"},
      {"CloseBuy", [] { conv->cmdCloseBuy.Click(); }, "CloseBuy"},
      {"CloseSell", [] { conv->cmdCloseSell.Click(); }, "CloseSell"},
      {"All Close", [] { conv->cmdCloseAll.Click(); }, "CloseAll"},
      {"DeleteBuy", [] { conv->cmdDeleteBuy.Click(); }, "DeleteBuy"},
      {"DeleteSell", [] { conv->cmdDeleteSell.Click(); }, "DeleteSell"},
      {"All Delete", [] { conv->cmdDeleteAll.Click(); }, "DeleteAll"},
  };
}

TEST_F(ConsoleTest, BuyWithTheNoShiftBoxWritesTheMarketCommand) {
  conv->chkNoShift.SetChecked(true);
  conv->cmdBuy.Click();
  EXPECT_EQ(Command(), "Buy_1.0");
  conv->cmdSell.Click();
  EXPECT_EQ(Command(), "Sell_1.0");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ConsoleTest, LotMultipleFollowsTheTickedRadioButton) {
  conv->chkNoShift.SetChecked(true);
  const std::pair<ui::RadioButton*, const char*> lots[] = {
      {&conv->rdo_Times2, "2.0"},   {&conv->rdo_Times3, "3.0"},   {&conv->rdo_Times5, "5.0"},
      {&conv->rdo_Times10, "10.0"}, {&conv->rdo_Times20, "20.0"}, {&conv->rdo_Times1, "1.0"},
  };
  for (const auto& [radio, lot] : lots) {
    radio->SetChecked(true);
    EXPECT_EQ(conv->GetLotText(), lot);
    conv->cmdBuyClick();
    EXPECT_EQ(Command(), std::string("Buy_") + lot);
    conv->cmdSellClick();
    EXPECT_EQ(Command(), std::string("Sell_") + lot);
  }
}

TEST_F(ConsoleTest, FixedTextButtonsReplaceWhateverWasPending) {
  conv->chkNoShift.SetChecked(true);
  for (const ButtonCase& button : FixedTextButtons()) {
    SetCommand("SellStop_20.0=150.300#30$-50");  // longer: no remnant may stay behind
    button.click();
    EXPECT_EQ(Command(), button.command) << button.name;
  }
  EXPECT_EQ(std::string(conv->CommandMap.View() + 9, 20),
            std::string(20, '\0'));  // after "DeleteAll"
}

TEST_F(ConsoleTest, DoubleClickOnPendingCancelsTheCommand) {
  shiftDown = true;
  SetCommand("Buy_1.0");
  // As the button reports a double click to its form.
  HWND button = conv->cmdPending.Handle();
  SendMessageW(conv->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_DOUBLECLICKED),
               reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(Command(), "");
  SetPrice("1.30500");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtPending.Text(), "Nothing");
}

TEST_F(ConsoleTest, QuickClicksByMouseAllCount) {
  const auto doubleClick = [](const ui::Button& button) {
    const LPARAM inside = MAKELPARAM(3, 3);
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
      SendMessageW(button.Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
  };
  conv->txtPrice.SetText("1.23450");
  doubleClick(conv->cmdPriceUp);
  EXPECT_EQ(conv->txtPrice.Text(), "1.23452");
  doubleClick(conv->cmdPriceDown10);
  EXPECT_EQ(conv->txtPrice.Text(), "1.23432");
  // The pending box keeps its double click: the cancel.
  shiftDown = true;
  SetCommand("Buy_1.0");
  doubleClick(conv->cmdPending);
  EXPECT_EQ(Command(), "");
}

TEST_F(ConsoleTest, WithoutShiftNothingIsWrittenAndNothingShown) {
  SetCommand("Keep");
  std::vector<ButtonCase> buttons = FixedTextButtons();
  buttons.push_back({"BUY", [] { conv->cmdBuy.Click(); }, ""});
  buttons.push_back({"SELL", [] { conv->cmdSell.Click(); }, ""});
  buttons.push_back({"cancel", [] { conv->cmdPendingDblClick(); }, ""});
  for (const ButtonCase& button : buttons) {
    button.click();
    EXPECT_EQ(Command(), "Keep") << button.name;
  }
  EXPECT_TRUE(messages.empty());
  // Holding Shift is enough.
  shiftDown = true;
  conv->cmdCloseAll.Click();
  EXPECT_EQ(Command(), "CloseAll");
}

TEST_F(ConsoleTest, HedgeGuardComesBeforeTheShiftRule) {
  SetCommand("Keep");
  conv->HitCount = 10000;
  conv->cmdBuy.Click();
  conv->cmdSell.Click();
  EXPECT_EQ(messages, (std::vector<std::string>{"両建て不可です！！", "両建て不可です！！"}));
  messages.clear();
  conv->HitCount = -2;
  conv->cmdBuy.Click();
  conv->cmdSell.Click();  // allowed by the guard, stopped silently by the Shift rule
  EXPECT_EQ(messages, std::vector<std::string>{"両建てしないで下さい！！"});
  messages.clear();
  conv->HitCount = 3;
  conv->cmdSell.Click();
  EXPECT_EQ(messages, std::vector<std::string>{"両建てしないで下さい！！"});
  EXPECT_EQ(Command(), "Keep");
}

TEST_F(ConsoleTest, HedgeGuardStopsOnlyTheHedgingSide) {
  shiftDown = true;
  conv->HitCount = 3;
  conv->cmdBuyClick();
  EXPECT_EQ(Command(), "Buy_1.0");
  conv->HitCount = -2;
  conv->cmdSellClick();
  EXPECT_EQ(Command(), "Sell_1.0");
  conv->cmdBuyClick();
  EXPECT_EQ(Command(), "Sell_1.0");
  // The other commands are never refused.
  conv->HitCount = 10000;
  for (const ButtonCase& button : FixedTextButtons()) {
    button.click();
    EXPECT_EQ(Command(), button.command) << button.name;
  }
  EXPECT_EQ(messages, std::vector<std::string>{"両建てしないで下さい！！"});
}

}  // namespace
