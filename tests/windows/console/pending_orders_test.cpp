// Pending orders with the slider offset, series and mirror; the price ladder, "Get" and the
// slider's own handlers.
#include "common/number_text.h"
#include "tests/windows/console/console_fixture.h"

using namespace common;
using namespace console;

namespace {

class PendingTest : public ConsoleTest {
 protected:
  void SetUp() override {
    ConsoleTest::SetUp();
    conv->chkNoShift.SetChecked(true);
  }
};

TEST_F(PendingTest, SingleOrderSendsThePriceAsTyped) {
  conv->rdo_Times2.SetChecked(true);
  conv->txtPrice.SetText("1.23450");
  conv->cmdBuyLimit.Click();
  EXPECT_EQ(Command(), "BuyLimit_2.0=1.23450");
  conv->txtPrice.SetText("1.");  // a number: sent unchanged
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "SellStop_2.0=1.");
  conv->txtPrice.SetText("150");
  conv->cmdBuyStopClick();
  EXPECT_EQ(Command(), "BuyStop_2.0=150");
  conv->cmdSellLimitClick();
  EXPECT_EQ(Command(), "SellLimit_2.0=150");
  EXPECT_TRUE(messages.empty());
}

TEST_F(PendingTest, SeriesNeedsTheSliderOffCentre) {
  conv->txtPrice.SetText("150.300");
  conv->chkRenzoku.SetChecked(true);  // at 50: the hint to set the slider
  EXPECT_EQ(messages, std::vector<std::string>{"連続注文は「スライダーバー」を設定してください"});
  EXPECT_TRUE(conv->chkRenzoku.Checked());
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "SellStop_1.0=150.300");
  conv->TrackBar1.SetPosition(60);
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "SellStop_1.0=150.300#5$-10");
  conv->TrackBar1.SetPosition(38);
  conv->cmbRenzoku.SetText("12");
  conv->cmdBuyLimitClick();
  EXPECT_EQ(Command(), "BuyLimit_1.0=150.300#12$12");
  // Ticking the box with the slider set shows nothing.
  messages.clear();
  conv->chkRenzoku.SetChecked(false);
  conv->chkRenzoku.SetChecked(true);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PendingTest, OrderTooLongForTheMapIsRefused) {
  SetCommand("Keep");
  conv->txtPrice.SetText("150.300");
  conv->chkRenzoku.SetChecked(true);
  conv->TrackBar1.SetPosition(100);
  messages.clear();
  const std::string head = "SellStop_1.0=150.300#", tail = "$-50";
  // Leading zeros keep the count a readable number however long it is.
  conv->cmbRenzoku.SetText(std::string(1023 - head.size() - tail.size(), '0') + "9");
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "Keep");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], kCommandTooLongText);
  // One byte less fits exactly.
  const std::string count = std::string(1023 - head.size() - tail.size() - 1, '0') + "9";
  conv->cmbRenzoku.SetText(count);
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), head + count + tail);

  // A long typed price alone, without a series, is refused the same way.
  SetCommand("Keep");
  conv->chkRenzoku.SetChecked(false);
  const std::string single = "SellStop_1.0=";
  conv->txtPrice.SetText("1." + std::string(1023 - single.size() - 1, '5'));
  messages.clear();
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "Keep");
  EXPECT_EQ(messages, std::vector<std::string>{kCommandTooLongText});
}

TEST_F(PendingTest, PriceProblemsFlashThePriceBoxBeforeTheGuard) {
  conv->HitCount = 10000;
  SetCommand("Keep");
  const COLORREF before = conv->txtPrice.Color();
  std::vector<COLORREF> coloursDuringWaits;
  conv->txtPrice.SetText("");
  {
    SeamOverride record(Seams{.sleep = [&](DWORD ms) {
      waits.push_back(ms);
      coloursDuringWaits.push_back(conv->txtPrice.Color());
    }});
    conv->cmdBuyLimitClick();
    conv->txtPrice.SetText("1.2 ");
    conv->cmdSellStopClick();
  }
  EXPECT_EQ(messages,
            (std::vector<std::string>{"指定価格が空白です！", "不正な文字が入っています！"}));
  EXPECT_EQ(waits, (std::vector<DWORD>{400, 200, 400, 200}));
  EXPECT_EQ(coloursDuringWaits, (std::vector<COLORREF>{0x00FFFF, before, 0x00FFFF, before}));
  EXPECT_EQ(conv->txtPrice.Color(), before);
  EXPECT_EQ(Command(), "Keep");
}

TEST_F(PendingTest, PriceThatIsNoNumberIsRefusedLikeABadCharacter) {
  void (Tconv::*const handlers[])() = {&Tconv::cmdBuyLimitClick, &Tconv::cmdBuyStopClick,
                                       &Tconv::cmdSellLimitClick, &Tconv::cmdSellStopClick};
  for (auto handler : handlers) {
    SetCommand("Keep");
    for (const char* bad : {"1..2", "."}) {
      conv->txtPrice.SetText(bad);
      (conv->*handler)();
    }
    EXPECT_EQ(Command(), "Keep");
    conv->txtPrice.SetText("1.5");
    (conv->*handler)();
    EXPECT_NE(Command().find("_1.0=1.5"), std::string::npos);
  }
  EXPECT_EQ(messages, std::vector<std::string>(8, kBadPriceCharText));
  EXPECT_EQ(waits.size(), 16u);  // each one flashed
}

TEST_F(PendingTest, SeriesCountIsAnIntegerTheExpertCanRead) {
  conv->txtPrice.SetText("1.5");
  conv->TrackBar1.SetPosition(60);
  conv->chkRenzoku.SetChecked(true);
  conv->cmbRenzoku.SetText("2147483648");
  conv->cmdSellStopClick();
  EXPECT_EQ(messages, std::vector<std::string>{kBadSeriesCountText});
  conv->cmbRenzoku.SetText("2147483647");
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "SellStop_1.0=1.5#2147483647$-10");
}

TEST_F(PendingTest, HedgeGuardPerSideThenShiftRule) {
  SetCommand("Keep");
  conv->txtPrice.SetText("1.2");
  conv->chkNoShift.SetChecked(false);
  conv->HitCount = -1;
  conv->cmdBuyLimitClick();
  conv->cmdBuyStopClick();
  conv->cmdSellLimitClick();  // not refused; stopped by the Shift rule
  conv->HitCount = 1;
  conv->cmdSellLimitClick();
  conv->cmdSellStopClick();
  conv->HitCount = 10000;
  conv->cmdBuyLimitClick();
  conv->cmdSellStopClick();
  const std::string hedge = "両建てしないで下さい！！", refused = "両建て不可です！！";
  EXPECT_EQ(messages, (std::vector<std::string>{hedge, hedge, hedge, hedge, refused, refused}));
  EXPECT_EQ(Command(), "Keep");
}

TEST_F(PendingTest, StoppedOrderLeavesTheSliderAndThePriceAlone) {
  SetCommand("Keep");
  SetPrice("150.25");
  conv->chkAutoFWD.SetChecked(true);
  conv->chkPlusMinus.SetChecked(true);
  conv->TrackBar1.SetPosition(70);
  conv->txtPrice.SetText("1.2");
  const std::string hint = conv->TrackBar1.Hint();
  auto expectUntouched = [&](const char* stop) {
    EXPECT_EQ(conv->TrackBar1.Position(), 70) << stop;
    EXPECT_EQ(conv->txtPrice.Text(), "1.2") << stop;
    EXPECT_EQ(conv->TrackBar1.Hint(), hint) << stop;
    EXPECT_EQ(Command(), "Keep") << stop;
  };
  conv->HitCount = -1;
  conv->cmdBuyLimitClick();
  EXPECT_EQ(messages, std::vector<std::string>{"両建てしないで下さい！！"});
  expectUntouched("hedge guard");

  messages.clear();
  conv->HitCount = 0;
  conv->chkNoShift.SetChecked(false);
  conv->cmdBuyLimitClick();
  EXPECT_TRUE(messages.empty());
  expectUntouched("Shift rule");

  // Refused after the order was built: the mirror and the offset are not applied either.
  conv->chkNoShift.SetChecked(true);
  conv->chkRenzoku.SetChecked(true);
  for (const char* count : {"5$3", "1_2", "0", ""}) {
    messages.clear();
    conv->cmbRenzoku.SetText(count);
    conv->cmdBuyLimitClick();
    EXPECT_EQ(messages, std::vector<std::string>{kBadSeriesCountText}) << count;
    expectUntouched(count);
  }
  messages.clear();
  conv->cmbRenzoku.SetText(std::string(1100, '0') + "9");
  conv->cmdBuyLimitClick();
  EXPECT_EQ(messages, std::vector<std::string>{kCommandTooLongText});
  expectUntouched("too long");

  // A good count sends, and only then moves the slider and sets the price.
  messages.clear();
  conv->cmbRenzoku.SetText("3");
  conv->cmdBuyLimitClick();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(conv->TrackBar1.Position(), 30);
  EXPECT_EQ(conv->txtPrice.Text(), "150.450");
  EXPECT_EQ(Command(), "BuyLimit_1.0=150.450#3$20");
}

TEST_F(PendingTest, AutomaticMirrorPutsTheSliderOnTheTrendSide) {
  conv->txtPrice.SetText("1.2");
  conv->chkAutoFWD.SetChecked(true);
  conv->chkRenzoku.SetChecked(true);
  conv->TrackBar1.SetPosition(70);
  conv->cmdBuyLimitClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 30);
  EXPECT_EQ(Command(), "BuyLimit_1.0=1.2#5$20");
  conv->cmdSellLimitClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 70);
  EXPECT_EQ(Command(), "SellLimit_1.0=1.2#5$-20");
  // Already on the right side: left alone.
  conv->cmdSellStopClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 70);
  // Shift held to send must not snap the mirrored slider back to the centre.
  conv->chkNoShift.SetChecked(false);
  shiftDown = true;
  conv->cmdBuyStopClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 30);
  EXPECT_EQ(Command(), "BuyStop_1.0=1.2#5$20");
}

TEST_F(PendingTest, FollowingTheCurrentPriceSendsTheExactSum) {
  conv->chkPlusMinus.SetChecked(true);
  conv->txtPrice.SetText("1");
  SetPrice("150.25");
  conv->TrackBar1.SetPosition(45);
  conv->cmdBuyLimitClick();
  EXPECT_EQ(Command(), "BuyLimit_1.0=150.300");
  EXPECT_EQ(conv->txtPrice.Text(), "150.300");
  EXPECT_EQ(conv->TrackBar1.Hint(), "+5");
  SetPrice("150.300");
  conv->TrackBar1.SetPosition(60);
  conv->cmdSellStopClick();
  EXPECT_EQ(Command(), "SellStop_1.0=150.200");
  SetPrice("1.30500");
  conv->TrackBar1.SetPosition(45);
  conv->cmdBuyLimitClick();
  EXPECT_EQ(Command(), "BuyLimit_1.0=1.30550");
  conv->TrackBar1.SetPosition(40);
  conv->cmdBuyLimitClick();
  EXPECT_EQ(Command(), "BuyLimit_1.0=1.30600");
  conv->TrackBar1.SetPosition(57);
  conv->cmdSellStopClick();
  EXPECT_EQ(conv->TrackBar1.Hint(), "-7");
  // No price yet: the offset is taken from 0.
  SetPrice("");
  conv->TrackBar1.SetPosition(40);
  conv->cmdBuyStopClick();
  EXPECT_EQ(Command(), "BuyStop_1.0=0.00100");
}

TEST_F(PendingTest, GoldQuoteKeepsItsThousandsOnEveryPricePath) {
  SetPrice("2034.56");
  conv->cmdGetPrice.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "2034.560");
  conv->cmdPriceUp100.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "2034.660");
  conv->cmdPriceDown.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "2034.659");
  conv->cmdBuyLimit.Click();
  EXPECT_EQ(Command(), "BuyLimit_1.0=2034.659");

  // Following the price: the preview shows what the order then sends.
  conv->chkPlusMinus.SetChecked(true);
  conv->TrackBar1.SetPosition(40);
  SetInfo("PelmorarInfo\r\nHitCount=0\r\n");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtNowPrice.Text(), "2034.560");
  EXPECT_EQ(conv->txtPrice.Text(), "2034.660");
  EXPECT_EQ(conv->TrackBar1.Hint(), "+10");
  conv->cmdBuyLimit.Click();
  EXPECT_EQ(Command(), "BuyLimit_1.0=2034.660");
  EXPECT_EQ(conv->txtPrice.Text(), "2034.660");
  EXPECT_EQ(conv->TrackBar1.Hint(), "+10");
  EXPECT_TRUE(messages.empty());
}

// The price map holds 0.00002345 as its first 7 characters, 0.00002: shown, stepped and sent
// as a decimal.
TEST_F(PendingTest, QuoteBelowATenThousandthIsADecimalOnEveryPricePath) {
  SetPrice("0.00002345");
  conv->cmdGetPrice.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "0.00002");
  conv->cmdPriceUp.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "0.00003");
  conv->cmdPriceUp10.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "0.00013");
  conv->cmdBuyLimit.Click();
  EXPECT_EQ(Command(), "BuyLimit_1.0=0.00013");
  shiftDown = true;
  conv->cmdPriceDownClick();  // reloads the current price
  EXPECT_EQ(conv->txtPrice.Text(), "0.00002");
  shiftDown = false;

  conv->chkPlusMinus.SetChecked(true);
  conv->TrackBar1.SetPosition(40);
  SetInfo("PelmorarInfo\r\nHitCount=0\r\n");
  conv->tmrNowPriceTimer();
  EXPECT_EQ(conv->txtNowPrice.Text(), "0.00002");
  EXPECT_EQ(conv->txtPrice.Text(), "0.00102");
  conv->cmdBuyLimit.Click();
  EXPECT_EQ(Command(), "BuyLimit_1.0=0.00102");
  EXPECT_TRUE(messages.empty());
}

TEST_F(PendingTest, LadderStepsTheTypedPrice) {
  conv->txtPrice.SetText("1.23450");
  conv->cmdPriceUp.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "1.23451");
  conv->cmdPriceDown10Click();
  EXPECT_EQ(conv->txtPrice.Text(), "1.23441");
  conv->cmdPriceUp100Click();
  EXPECT_EQ(conv->txtPrice.Text(), "1.23541");
  conv->txtPrice.SetText("150.250");
  conv->cmdPriceDown100.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "150.150");
  conv->cmdPriceUp10Click();
  EXPECT_EQ(conv->txtPrice.Text(), "150.160");
  conv->cmdPriceDownClick();
  EXPECT_EQ(conv->txtPrice.Text(), "150.159");
  EXPECT_TRUE(messages.empty());
}

TEST_F(PendingTest, LadderReloadsTheCurrentPriceWithShiftOrWithoutAPrice) {
  SetPrice("1.30512");
  conv->txtPrice.SetText("150.250");
  shiftDown = true;
  conv->cmdPriceUpClick();
  EXPECT_EQ(conv->txtPrice.Text(), "1.30512");
  shiftDown = false;
  conv->txtPrice.SetText("");
  conv->cmdPriceDown100Click();
  EXPECT_EQ(conv->txtPrice.Text(), "1.30512");
  conv->txtPrice.SetText("x1");
  conv->cmdPriceUp10Click();
  EXPECT_EQ(conv->txtPrice.Text(), "1.30512");
  // Two points pass the character test but are no number: the conversion error.
  conv->txtPrice.SetText("1.2.3");
  EXPECT_THROW(conv->cmdPriceUpClick(), ConversionError);
  EXPECT_TRUE(messages.empty());
}

TEST_F(PendingTest, GetWithoutATerminalSaysSo) {
  conv->txtPrice.SetText("1.2");
  conv->cmdGetPrice.Click();
  EXPECT_EQ(conv->txtPrice.Text(), "");
  SetPrice("0");
  conv->cmdPriceUpClick();  // an empty price box reloads like "Get"
  EXPECT_EQ(conv->txtPrice.Text(), "0");
  EXPECT_EQ(messages, (std::vector<std::string>{"MT4側の準備が出来ていません",
                                                "MT4側の準備が出来ていません"}));
  SetPrice("150.25");
  conv->cmdGetPriceClick();
  EXPECT_EQ(conv->txtPrice.Text(), "150.250");
  SetPrice("1.305129");  // read as its first 7 characters
  conv->cmdGetPriceClick();
  EXPECT_EQ(conv->txtPrice.Text(), "1.30512");
}

TEST_F(PendingTest, SliderSnapsBackWhenMovedWithShiftAndMirrorsOnRequest) {
  conv->TrackBar1.SetPosition(30);
  EXPECT_EQ(conv->TrackBar1.Position(), 30);
  conv->cmdRevUpDw.Click();
  EXPECT_EQ(conv->TrackBar1.Position(), 70);
  conv->cmdRevUpDwClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 30);
  shiftDown = true;
  conv->TrackBar1.SetPosition(20);  // as the user's own move
  EXPECT_EQ(conv->TrackBar1.Position(), 50);
  conv->cmdRevUpDwClick();
  EXPECT_EQ(conv->TrackBar1.Position(), 50);
}

}  // namespace
