// A timer of a form: ticks on the form's window thread every Interval() milliseconds while
// enabled. Switching it on, or changing the interval while on, starts the interval anew.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

class Form;

struct TimerArgs {
  UINT interval = 1000;  // milliseconds
  bool enabled = true;
};

class Timer {
 public:
  Timer(Form& form, TimerArgs args = {});
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::function<void()> onTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT interval);
  UINT_PTR Id() const { return id_; }

  // Called by the form on WM_TIMER.
  void Tick();

 private:
  void Apply();
  Form& form_;
  UINT_PTR id_;
  UINT interval_;
  bool enabled_;
};

}  // namespace ui
