#include "console/Version.h"

#include "ui/app.h"

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

TfrmVersion::TfrmVersion() : Form(VersionArgs()) {
  wbINFO.Create(Handle(), 0, 0, ClientWidth(), ClientHeight());
  FormCreate();
}

void TfrmVersion::FormCreate() {
  // The work area's own offset is not added: with the task bar at the top or left the window
  // sits higher or further left than the work area's centre.
  const RECT area = ui::DesktopWorkArea();
  SetTop((area.bottom - area.top - Height()) / 2);
  SetLeft((area.right - area.left - Width()) / 2);
}
