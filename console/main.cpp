// The console program: one instance per program file, then the main window, the version
// window, the splash, the news window and the settings window, and the message loop.
#include <windows.h>

#include <exception>
#include <memory>
#include <utility>

#include "common/win/folders.h"
#include "common/win/seams.h"
#include "common/win/single_instance.h"
#include "console/News1.h"
#include "console/Splash1.h"
#include "console/Version.h"
#include "console/convert.h"
#include "console/startup_files.h"
#include "settings/Setting1.h"
#include "ui/app.h"

namespace {

// Creates each window and publishes it under its global name.
template <class T, class... Shared>
std::unique_ptr<T> Create(T*& global, Shared&&... shared) {
  auto window = std::make_unique<T>(std::forward<Shared>(shared)...);
  global = window.get();
  return window;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE instance = ClaimSingleInstance();
  if (!instance) return 1;

  ui::InitUi();
  SetApplicationTitle("トレードQuorvex");
  if (!ExeFolderFitsShiftJis()) {
    // Every file of the console lives beside it: rather than fail each one silently, say so.
    ShowPlainMessage(nullptr, kFolderNotShiftJisText);
    ReleaseSingleInstance(instance);
    return 1;
  }
  // Declared before the loop so the windows outlive it and go only as the program ends; the
  // session before the windows, which refer to it until they are gone.
  ConsoleSession session;
  std::unique_ptr<Tconv> mainWindow;
  std::unique_ptr<TfrmVersion> versionWindow;
  std::unique_ptr<TSplash> splashWindow;
  std::unique_ptr<Tnews> newsWindow;
  std::unique_ptr<TSetting> settingWindow;
  try {
    mainWindow = Create(conv, session);
    ui::SetMainForm(conv);
    versionWindow = Create(frmVersion);
    splashWindow = Create(Splash, session);
    newsWindow = Create(news, session);
    settingWindow = Create(Setting, session.ForSettingsWindow());
    Splash->Show();
    Splash->Repaint();
    ui::RunMessageLoop();
  } catch (const std::exception& e) {
    ShowExceptionBox(e.what());
  } catch (...) {
    ShowExceptionBox("");
  }
  ReleaseSingleInstance(instance);
  return 0;
}
