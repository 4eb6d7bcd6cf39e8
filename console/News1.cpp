#include "console/News1.h"

Tnews* news = nullptr;

namespace {

ui::FormArgs NewsArgs() {
  ui::FormArgs args;
  args.caption = "ニュース（Quorvex）";
  args.border = ui::FormBorder::Tool;
  args.clientWidth = 340;
  args.clientHeight = 182;
  args.minimizeBox = false;
  args.maximizeBox = false;
  return args;
}

}  // namespace

Tnews::Tnews() : Form(NewsArgs()) {}
