// The set-up program: one instance per program file, then its window and the message loop.
#include <windows.h>

#include <exception>
#include <memory>

#include "common/win/seams.h"
#include "common/win/single_instance.h"
#include "setup/Setup1.h"
#include "ui/app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE instance = ClaimSingleInstance();
  if (!instance) return 1;

  ui::InitUi();
  SetApplicationTitle("Setup");
  std::unique_ptr<TForm1> window;
  try {
    window = std::make_unique<TForm1>();
    Form1 = window.get();
    ui::SetMainForm(Form1);
    ui::RunMessageLoop();
  } catch (const std::exception& e) {
    ShowExceptionBox(e.what());
  } catch (...) {
    ShowExceptionBox("");
  }
  Form1 = nullptr;
  window.reset();
  ReleaseSingleInstance(instance);
  return 0;
}
