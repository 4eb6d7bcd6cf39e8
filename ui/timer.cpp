#include "ui/timer.h"

#include "ui/form.h"

namespace ui {

Timer::Timer(Form& form, TimerArgs args)
    : form_(form), id_(form.nextTimerId_++), interval_(args.interval), enabled_(args.enabled) {
  form_.timers_[id_] = this;
  Apply();
}

Timer::~Timer() {
  KillTimer(form_.Handle(), id_);
  form_.timers_.erase(id_);
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void Timer::SetInterval(UINT interval) {
  interval_ = interval;
  Apply();
}

void Timer::Tick() {
  if (enabled_ && onTimer) onTimer();
}

void Timer::Apply() {
  // SetTimer with the id of a running timer starts its interval anew.
  if (enabled_ && interval_ > 0)
    SetTimer(form_.Handle(), id_, interval_, nullptr);
  else
    KillTimer(form_.Handle(), id_);
}

}  // namespace ui
