// The news window: a small tool window parked just below the work area at its left edge. When
// news is shown it slides up into the corner and fades in, shows the news page in the embedded
// browser, and steps to newer and older items of the list. Its check box keeps later news from
// opening it by itself.
#pragma once

#include "console/session/console_session.h"
#include "console/web_browser.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

class Tnews : public ui::Form {
  ConsoleSession& session_;

 public:
  explicit Tnews(ConsoleSession& session);

  void FormCreate();
  void FormShow();
  void FormClose();
  void tmrStartTimer();
  void cmdNewClick();
  void cmdOldClick();

  ui::Panel Panel1;
  ui::CheckBox chkNoVisible;
  ui::Button cmdNew;
  ui::Button cmdOld;
  ui::ListBox ListBox1;   // the news ids, newest first; the selected one is shown
  WebBrowserHost wbINFO;  // below the panel
  ui::Timer tmrStart{*this, {.interval = 100, .enabled = false}};

 private:
  // Below the work area at its left edge, out of sight until shown.
  void Park();
  void ShowSelectedPage();
};

extern Tnews* news;
