// The order road of the main window: market, close, delete and cancel commands, the pending
// orders with the slider offset and series, the price ladder, "Get" and the slider.
#include "common/win/seams.h"
#include "console/convert.h"
#include "console/core/price_text.h"
#include "console/core/slider.h"
#include "ui/flash_control.h"

namespace {

constexpr COLORREF kAttentionColour = 0x00FFFF;
constexpr char kSeriesNeedsSliderText[] = "連続注文は「スライダーバー」を設定してください";

}  // namespace

common::LotChoice Tconv::LotButtons() const {
  return {rdo_Times1.Checked(), rdo_Times2.Checked(),  rdo_Times3.Checked(),
          rdo_Times5.Checked(), rdo_Times10.Checked(), rdo_Times20.Checked()};
}

std::string Tconv::GetLotText() const {
  return console::GetLotText(LotButtons());
}

bool Tconv::ShiftRuleMet() const {
  return chkNoShift.Checked() || IsKeyDown(VK_SHIFT);
}

void Tconv::SendCommand(console::OrderSide side, const std::string& command) {
  if (const char* refusal = console::HedgeGuardMessage(HitCount, side)) {
    ShowPlainMessage(Handle(), refusal);
    return;
  }
  if (!ShiftRuleMet()) return;
  CommandMap.WriteText(command);
}

void Tconv::cmdBuyClick() {
  SendCommand(console::OrderSide::Buy,
              console::MarketOrderCommand(console::OrderSide::Buy, GetLotText()));
}
void Tconv::cmdSellClick() {
  SendCommand(console::OrderSide::Sell,
              console::MarketOrderCommand(console::OrderSide::Sell, GetLotText()));
}
void Tconv::cmd_NANPINClick() {
  SendCommand(console::OrderSide::None, "Nanpin");
}
void Tconv::cmdCloseBuyClick() {
  SendCommand(console::OrderSide::None, "CloseBuy");
}
void Tconv::cmdCloseSellClick() {
  SendCommand(console::OrderSide::None, "CloseSell");
}
void Tconv::cmdCloseAllClick() {
  SendCommand(console::OrderSide::None, "CloseAll");
}
void Tconv::cmdDeleteBuyClick() {
  SendCommand(console::OrderSide::None, "DeleteBuy");
}
void Tconv::cmdDeleteSellClick() {
  SendCommand(console::OrderSide::None, "DeleteSell");
}
void Tconv::cmdDeleteAllClick() {
  SendCommand(console::OrderSide::None, "DeleteAll");
}
// Cancels whatever the expert has not taken yet.
void Tconv::cmdPendingDblClick() {
  SendCommand(console::OrderSide::None, "");
}

void Tconv::SendPendingOrder(const console::PendingOrderType& type) {
  if (const char* problem = console::PendingPriceProblem(txtPrice.Text())) {
    ShowPlainMessage(Handle(), problem);
    ui::FlashControl(kAttentionColour, txtPrice);
    return;
  }
  if (const char* refusal = console::HedgeGuardMessage(HitCount, type.side)) {
    ShowPlainMessage(Handle(), refusal);
    return;
  }
  if (!ShiftRuleMet()) return;
  // The whole order is worked out before anything changes: a refused order leaves the slider,
  // its hint and the price box as they were.
  int position = TrackBar1.Position();
  const bool mirror = chkAutoFWD.Checked() && console::SliderNeedsMirror(type.side, position);
  if (mirror) position = console::MirroredSliderPosition(position);
  const std::string priceText = ReadPriceText(PriceMap);
  const bool largeQuote = console::IsLargeQuoteText(priceText);
  const std::string price =
      chkPlusMinus.Checked() ? console::ComputeSliderOffset(largeQuote, priceText, position).price
                             : txtPrice.Text();
  const std::string command = console::PendingOrderCommand(
      type, GetLotText(), price, chkRenzoku.Checked(), cmbRenzoku.Text(), position);
  if (const char* problem = console::PendingCommandProblem(command, chkRenzoku.Checked(),
                                                           cmbRenzoku.Text(), position)) {
    ShowPlainMessage(Handle(), problem);
    return;
  }
  if (mirror) cmdRevUpDwClick();
  if (chkPlusMinus.Checked()) ApplySliderOffset(largeQuote, priceText);
  CommandMap.WriteText(command);
}

void Tconv::cmdBuyLimitClick() {
  SendPendingOrder(console::kBuyLimit);
}
void Tconv::cmdBuyStopClick() {
  SendPendingOrder(console::kBuyStop);
}
void Tconv::cmdSellLimitClick() {
  SendPendingOrder(console::kSellLimit);
}
void Tconv::cmdSellStopClick() {
  SendPendingOrder(console::kSellStop);
}

void Tconv::ApplySliderOffset(bool largeQuote, const std::string& priceText) {
  const console::SliderOffsetResult result =
      console::ComputeSliderOffset(largeQuote, priceText, TrackBar1.Position());
  TrackBar1.SetHint(result.hint);
  txtPrice.SetText(result.price);
}

void Tconv::StepLadder(int tier, int direction) {
  const std::string typed = txtPrice.Text();
  if (!console::LadderStepsTypedPrice(typed, IsKeyDown(VK_SHIFT))) {
    cmdGetPriceClick();
    return;
  }
  txtPrice.SetText(
      console::LadderStepPrice(typed, static_cast<console::LadderTier>(tier), direction));
}

void Tconv::cmdPriceUp100Click() {
  StepLadder(static_cast<int>(console::LadderTier::Coarse), +1);
}
void Tconv::cmdPriceDown100Click() {
  StepLadder(static_cast<int>(console::LadderTier::Coarse), -1);
}
void Tconv::cmdPriceUp10Click() {
  StepLadder(static_cast<int>(console::LadderTier::Middle), +1);
}
void Tconv::cmdPriceDown10Click() {
  StepLadder(static_cast<int>(console::LadderTier::Middle), -1);
}
void Tconv::cmdPriceUpClick() {
  StepLadder(static_cast<int>(console::LadderTier::Fine), +1);
}
void Tconv::cmdPriceDownClick() {
  StepLadder(static_cast<int>(console::LadderTier::Fine), -1);
}

void Tconv::cmdGetPriceClick() {
  const std::string priceText = ReadPriceText(PriceMap);
  txtPrice.SetText(priceText);
  const console::PriceFromMap price = console::PriceFromMapText(priceText);
  if (!price.ready) {
    ShowPlainMessage(Handle(), console::kNotReadyText);
    return;
  }
  txtPrice.SetText(price.text);
}

void Tconv::SetSliderPosition(int position) {
  movingSlider_ = true;
  TrackBar1.SetPosition(position);
  movingSlider_ = false;
}

void Tconv::TrackBar1Change() {
  // Holding Shift while moving the slider snaps it back to the centre.
  if (!movingSlider_ && IsKeyDown(VK_SHIFT)) SetSliderPosition(console::kSliderCentre);
  TrackBar1.Repaint();
}

void Tconv::cmdRevUpDwClick() {
  SetSliderPosition(console::MirroredSliderPosition(TrackBar1.Position()));
}

void Tconv::chkRenzokuClick() {
  if (chkRenzoku.Checked() && TrackBar1.Position() == console::kSliderCentre)
    ShowPlainMessage(Handle(), kSeriesNeedsSliderText);
}
