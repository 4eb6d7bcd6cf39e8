// The version window: shows the version page the console writes beside itself.
#pragma once

#include "console/web_browser.h"
#include "ui/form.h"

class TfrmVersion : public ui::Form {
 public:
  TfrmVersion();
  // Centres the window on the work area's size, measured from the screen's corner.
  void FormCreate();

  WebBrowserHost wbINFO;  // fills the client area
};

extern TfrmVersion* frmVersion;
