// A check of the web server that a timer or a click of a window starts. Only one fetch is
// under way at a time (see HttpGet): a check started while another fetch waits is not lost but
// waits its turn, and runs from the window's messages as soon as that fetch has ended. Started
// again while it waits, it still runs once. Its window drops it when it closes, and it goes
// with the window, so it never runs after the window is gone.
#pragma once

#include <functional>

#include "ui/timer.h"

namespace ui {
class Form;
}

class WebCheck {
 public:
  WebCheck(ui::Form& form, std::function<void()> check);
  WebCheck(const WebCheck&) = delete;
  WebCheck& operator=(const WebCheck&) = delete;

  // Runs the check now when no fetch is under way, else once it has ended.
  void Start();
  // A waiting check does not run.
  void Drop();

 private:
  void Look();

  std::function<void()> check_;
  ui::Timer turn_;  // while waiting: looks whether the fetch has ended
};
