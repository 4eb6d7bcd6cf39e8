#include "console/Splash1.h"

TSplash* Splash = nullptr;

namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 305;

ui::FormArgs SplashArgs() {
  ui::FormArgs args;
  args.caption = "あなたの夢をGET";
  args.border = ui::FormBorder::None;
  args.clientWidth = kClientWidth;
  args.clientHeight = kClientHeight;
  args.left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
  args.top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
  args.minimizeBox = false;
  args.maximizeBox = false;
  args.color = ui::kLime;
  return args;
}

}  // namespace

TSplash::TSplash() : Form(SplashArgs()) {
  onClick = [this] { FormClick(); };
}

void TSplash::FormClick() {
  Close();
}
