// The version window: shows the version page the console writes beside itself.
#pragma once

#include "ui/form.h"

class TfrmVersion : public ui::Form {
 public:
  TfrmVersion();
};

extern TfrmVersion* frmVersion;
