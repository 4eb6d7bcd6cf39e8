// Not a test: the splash (flashing, after a check that found the console up to date) and the
// news window at rest in the corner with two items, for looking at under Xvfb. Ends after the
// given seconds (default 20).
#include <windows.h>

#include <memory>

#include "console/News1.h"
#include "console/Splash1.h"
#include "console/convert.h"
#include "tests/windows/screen_look.h"
#include "ui/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  ui::InitUi();
  ConsoleSession session;
  auto mainWindow = std::make_unique<Tconv>(session);
  conv = mainWindow.get();
  conv->tmrStart.SetEnabled(false);
  ui::SetMainForm(conv);
  auto splashWindow = std::make_unique<TSplash>(session);
  Splash = splashWindow.get();
  Splash->tmrVerCheck.SetEnabled(false);
  Splash->lbl_CheckVer.SetText("　最新版です！！");
  auto newsWindow = std::make_unique<Tnews>(session);
  news = newsWindow.get();
  news->ListBox1.AddItem("105");
  news->ListBox1.AddItem("104");
  Splash->Show();
  news->Show();
  for (int k = 0; k < 100; ++k) news->tmrStartTimer();  // slid up and opaque

  return RunForLook(commandLine);
}
