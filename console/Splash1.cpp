#include "console/Splash1.h"

#include "common/text.h"
#include "console/convert.h"
#include "console/core/server_notices.h"
#include "ui/app.h"

TSplash* Splash = nullptr;

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 305;
// The credit that flashes beside the version.
constexpr char kCreditText[] = "(C)QV";
// Label3's colour once the flashing starts: red FF, green 00, blue 99.
constexpr COLORREF kTitleFlashColor = 0x9900FF;
// Timer1's fifth tick shows the flashing texts.
constexpr int32_t kFlashStartTicks = 4;

ui::FormArgs SplashArgs() {
  ui::FormArgs args;
  args.caption = "あなたの夢をGET";
  args.border = ui::FormBorder::None;
  args.clientWidth = kClientWidth;
  args.clientHeight = kClientHeight;
  args.minimizeBox = false;
  args.maximizeBox = false;
  args.color = ui::kLime;
  return args;
}

ui::ControlArgs Slogan(int left, int top, int width, int height, const char* text,
                       ui::FontSpec font, COLORREF colour, bool visible = true) {
  ui::ControlArgs args = ui::At(left, top, width, height, text);
  args.font = std::move(font);
  args.textColor = colour;
  args.visible = visible;
  return args;
}

ui::FontSpec LabelFont(int height, bool bold, bool italic) {
  return {.face = {}, .height = height, .bold = bold, .italic = italic};
}

}  // namespace

TSplash::TSplash(ConsoleSession& session)
    : Form(SplashArgs()),
      session_(session),
      Label4(*this, Slogan(32, 16, 0, 0, "メタトレーダーMT4　", LabelFont(29, false, true),
                           ui::kColor3DLight)),
      Label1(*this, Slogan(32, 56, 385, 33, "裁量トレードも、一発注文！！",
                           LabelFont(29, false, false), ui::kYellow)),
      Label2(*this, Slogan(56, 96, 193, 33, "これで、", LabelFont(29, true, true), ui::kFuchsia)),
      Label5(*this,
             Slogan(120, 128, 193, 29, "ガ～ッポリ！", LabelFont(32, false, true), ui::kCream)),
      Label6(*this,
             Slogan(136, 168, 215, 29, "儲けるぜ～！！", LabelFont(29, false, true), ui::kFuchsia)),
      lbl_BCB(*this, Slogan(352, 200, 73, 33, "", LabelFont(24, false, true), ui::kFuchsia, false)),
      Label3(*this,
             Slogan(96, 224, 257, 33, "トレードQuorvex", LabelFont(29, true, true), ui::kRed)),
      lbl_Ver(*this, Slogan(312, 256, 121, 25, "", LabelFont(16, true, false), ui::kBlue, false)),
      lbl_CheckVer(*this, Slogan(0, 288, 0, 0, "", LabelFont(12, false, false), ui::kRed)) {
  onShow = [this] { Form_Load(); };
  onClose = [this] { Form_UnLoad(); };
  onClick = [this] { Form_Click(); };
  tmr_SetFocus.onTimer = [this] { tmr_SetFocusTimer(); };
  tmr_FLASH_ON.onTimer = [this] { tmr_FLASH_ONTimer(); };
  tmr_FLASH_OFF.onTimer = [this] { tmr_FLASH_OFFTimer(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  tmrVerCheck.onTimer = [this] { tmrVerCheckTimer(); };
  tmrClose.onTimer = [this] { tmrCloseTimer(); };
  FormCreate();
}

void TSplash::FormCreate() {
  // Centred on the work area's size; its own offset is not added.
  const RECT area = ui::DesktopWorkArea();
  SetTop((area.bottom - area.top - Height()) / 2);
  SetLeft((area.right - area.left - Width()) / 2);
  lbl_Ver.SetText(console::VersionLabelText(session_.OwnVersion));
  session_.UpdateArchiveUrl.clear();
}

void TSplash::Form_Load() {
  Shown = true;
}

void TSplash::Form_UnLoad() {
  Shown = false;
  for (ui::Timer* timer :
       {&tmr_FLASH_ON, &tmr_FLASH_OFF, &Timer1, &tmr_SetFocus, &tmrClose, &tmrVerCheck})
    timer->SetEnabled(false);
  versionCheck_.Drop();
  if (conv) conv->tmrRevCheck.SetEnabled(true);
}

void TSplash::Form_Click() {
  Close();
}

void TSplash::tmr_SetFocusTimer() {
  if (!Shown) return;
  SetFocus();
  tmr_SetFocus.SetEnabled(false);
}

void TSplash::tmr_FLASH_ONTimer() {
  lbl_Ver.SetText(console::VersionLabelText(session_.OwnVersion));
  lbl_BCB.SetText(kCreditText);
  tmr_FLASH_ON.SetEnabled(false);
  // Restarts the blank's full 400 ms.
  tmr_FLASH_OFF.SetEnabled(false);
  tmr_FLASH_OFF.SetEnabled(true);
  ui::ProcessMessages();
}

void TSplash::tmr_FLASH_OFFTimer() {
  lbl_Ver.SetText("");
  lbl_BCB.SetText("");
  tmr_FLASH_OFF.SetEnabled(false);
  tmr_FLASH_ON.SetEnabled(false);
  tmr_FLASH_ON.SetEnabled(true);
  // While the check runs its text grows by a dot every cycle; "up to date"
  // stops it.
  const std::string check = lbl_CheckVer.Text();
  if (!check.empty() && common::PosMbcs("最新版", check) == 0) lbl_CheckVer.SetText(check + "。");
}

void TSplash::Timer1Timer() {
  ++FlashTicks;
  if (FlashTicks <= kFlashStartTicks) return;
  lbl_Ver.Show();
  lbl_BCB.Show();
  lbl_Ver.Repaint();
  Label3.SetTextColor(kTitleFlashColor);
  Label3.Repaint();
  ui::ProcessMessages();
  Timer1.SetEnabled(false);
}

void TSplash::tmrCloseTimer() {
  Close();
}
