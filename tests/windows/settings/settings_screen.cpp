// Not a test: the console in its full layout with the settings window docked at its left and a
// sample ladder filled in, for looking at under Xvfb. Ends after the given seconds (default 20).
#include <windows.h>

#include <memory>

#include "console/convert.h"
#include "settings/Setting1.h"
#include "settings/core/setting_table.h"
#include "tests/windows/screen_look.h"
#include "ui/app.h"

using namespace settings;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  ui::InitUi();
  ConsoleSession session;
  auto mainWindow = std::make_unique<Tconv>(session);
  conv = mainWindow.get();
  ui::SetMainForm(conv);
  // The start timer would ask for the terminal's folder in a box over the windows.
  conv->tmrStart.SetEnabled(false);
  auto settingWindow = std::make_unique<TSetting>(session.ForSettingsWindow());
  Setting = settingWindow.get();
  conv->Show();
  conv->cmdUpDownClick();
  conv->cmdSettingLeftClick();

  const char* sample[][2] = {{"1", "1"}, {"2", "1.5"}, {"3", "2"}};
  for (int k = 1; k <= 3; ++k) {
    Setting->EditOf(NanpinRow(k)).SetText(sample[k - 1][1]);
    Setting->EditOf(DepthRow(k)).SetText(std::to_string(10 * k));
    Setting->EditOf(TpRow(k)).SetText("15");
    Setting->EditOf(LossRow(k)).SetText("20");
  }
  Setting->cmdEASettingClick();
  Setting->EditOf(LossRow(2)).SetText("25");  // not sent yet: turns yellow

  return RunForLook(commandLine);
}
