// The splash shown while the console starts: borderless and lime in the middle of the work
// area, with slogans and the flashing version. Three seconds after its creation it asks the
// web server for a newer console and offers the self-update; it closes six seconds after that
// check, or at a click. Every closing switches on the main window's revision check.
#pragma once

#include <cstdint>

#include "console/session/console_session.h"
#include "console/web_check.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

class TSplash : public ui::Form {
  ConsoleSession& session_;

 public:
  explicit TSplash(ConsoleSession& session);

  void FormCreate();
  void Form_Load();
  void Form_UnLoad();
  void Form_Click();
  void tmr_SetFocusTimer();
  void tmr_FLASH_ONTimer();
  void tmr_FLASH_OFFTimer();
  void Timer1Timer();
  void tmrVerCheckTimer();
  // The check for a newer console, run once by tmrVerCheck (splash_version_check.cpp).
  void SplashVersionCheck();
  void tmrCloseTimer();

  int32_t FlashTicks = 0;  // ticks of Timer1
  bool Shown = false;      // between showing and closing

  ui::Label Label4;
  ui::Label Label1;
  ui::Label Label2;
  ui::Label Label5;
  ui::Label Label6;
  ui::Label lbl_BCB;
  ui::Label Label3;
  ui::Label lbl_Ver;
  ui::Label lbl_CheckVer;

  ui::Timer tmr_SetFocus{*this, {.interval = 600, .enabled = true}};
  ui::Timer tmr_FLASH_ON{*this, {.interval = 100, .enabled = true}};
  ui::Timer tmr_FLASH_OFF{*this, {.interval = 400, .enabled = true}};
  ui::Timer Timer1{*this, {.interval = 150, .enabled = true}};
  ui::Timer tmrVerCheck{*this, {.interval = 3000, .enabled = true}};
  ui::Timer tmrClose{*this, {.interval = 6000, .enabled = false}};

 private:
  // tmrVerCheck's check: it waits its turn when it meets another fetch, and a closing of the
  // splash drops it as it stops the timer.
  WebCheck versionCheck_{*this, [this] { SplashVersionCheck(); }};
};

extern TSplash* Splash;
