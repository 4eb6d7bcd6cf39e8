#include "ui/app.h"

#include "ui/form.h"

namespace ui {

namespace {

Form*& MainFormStore() {
  static Form* form = nullptr;
  return form;
}

// Tab, arrow and mnemonic keys move between the controls of our forms.
bool TakenByForm(MSG& msg) {
  const HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  Form* form = Form::FromHandle(root);
  return form != nullptr && (form->TakeTabKey(msg) || IsDialogMessageW(root, &msg));
}

}  // namespace

void SetMainForm(Form* form) {
  MainFormStore() = form;
}

Form* MainForm() {
  return MainFormStore();
}

int RunMessageLoop() {
  if (Form* main = MainForm()) main->Show();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TakenByForm(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

bool ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    if (TakenByForm(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return false;
}

RECT DesktopWorkArea() {
  RECT r{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

}  // namespace ui
