#include "console/Version.h"

TfrmVersion* frmVersion = nullptr;

namespace {

ui::FormArgs VersionArgs() {
  ui::FormArgs args;
  args.caption = "バージョン情報";
  args.border = ui::FormBorder::Dialog;
  args.clientWidth = 344;
  args.clientHeight = 184;
  args.minimizeBox = false;
  args.maximizeBox = false;
  return args;
}

}  // namespace

TfrmVersion::TfrmVersion() : Form(VersionArgs()) {}
