// The splash shown while the console starts: borderless, lime, in the middle of the screen;
// a click closes it.
#pragma once

#include "ui/form.h"

class TSplash : public ui::Form {
 public:
  TSplash();
  void FormClick();
};

extern TSplash* Splash;
