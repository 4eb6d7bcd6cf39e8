#include "console/web_check.h"

#include <utility>

#include "console/http_get.h"

namespace {

// How often a waiting check looks whether the fetch has ended: a trader sees no delay.
constexpr UINT kLookMs = 50;

}  // namespace

WebCheck::WebCheck(ui::Form& form, std::function<void()> check)
    : check_(std::move(check)), turn_(form, {.interval = kLookMs, .enabled = false}) {
  turn_.onTimer = [this] { Look(); };
}

void WebCheck::Start() {
  if (HttpGet::AnyUnderWay()) {
    turn_.SetEnabled(true);
    return;
  }
  turn_.SetEnabled(false);  // when it was waiting, this is its run
  check_();
}

void WebCheck::Drop() {
  turn_.SetEnabled(false);
}

void WebCheck::Look() {
  if (HttpGet::AnyUnderWay()) return;
  turn_.SetEnabled(false);
  check_();
}
