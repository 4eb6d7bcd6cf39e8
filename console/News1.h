// The news window: a small tool window that slides in with the latest news page.
#pragma once

#include "ui/form.h"

class Tnews : public ui::Form {
 public:
  Tnews();
};

extern Tnews* news;
