// The settings window: edits the expert's trade-management parameters and sends them through
// the settings map, which it opens for the whole console.
#pragma once

#include "ui/form.h"

class TSetting : public ui::Form {
 public:
  TSetting();
  void FormCreate();
  // Stops the read-back of the settings map (the main window calls it when it closes).
  void StopReadBack();
};

extern TSetting* Setting;
