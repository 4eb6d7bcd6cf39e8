// The once-a-second look at the shared maps: price, preview of the pending price, the price
// box colour, the pending command, the expert's HitCount, and the marker page that stops the
// console when it is gone.
#include "common/channel_names.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/core/monitor.h"

void Tconv::tmrNowPriceTimer() {
  const std::string priceText = ReadPriceText(PriceMap);
  if (markerPageWritten_ && !FileExists(MarkerPagePath)) {
    Close();
    return;
  }
  const console::MonitorPrice price = console::ReadMonitorPrice(priceText, TrackBar1.Position());
  const auto showPending = [this](bool terminalReady) {
    const console::PendingDisplay pending =
        console::PendingCommandDisplay(CommandMap.ReadText(common::kConsoleTextMax), terminalReady);
    txtPending.SetText(pending.text);
    txtPending.SetColor(pending.colour);
  };
  if (!price.ready) {
    // No terminal yet: the price, the preview and HitCount stay as they were. An order keeps
    // waiting for the expert, who carries it out as soon as the terminal is up: it stays in
    // sight, so that the trader can still cancel it.
    showPending(false);
    return;
  }
  txtNowPrice.SetText(price.nowPrice);
  if (chkPlusMinus.Checked()) {
    TrackBar1.SetHint(price.preview.hint);
    txtPrice.SetText(price.preview.price);
  } else {
    TrackBar1.SetHint("");
  }
  if (const std::optional<console::Colour> colour =
          console::PriceBoxColour(txtNowPrice.Text(), txtPrice.Text()))
    txtPrice.SetColor(*colour);
  showPending(true);
  HitCount = console::ParseHitCount(InfoMap.ReadText(common::kConsoleTextMax));
}
