#include "setup/Setup1.h"

#include "common/text.h"
#include "common/win/folders.h"
#include "common/win/single_instance.h"
#include "setup/system_facts.h"
#include "ui/app.h"

TForm1* Form1 = nullptr;

namespace {

constexpr COLORREF kFormColour = 0xFFFFAA;

ui::FormArgs SetupFormArgs() {
  ui::FormArgs args;
  args.caption = "Seup QuorvexStd";
  args.width = 310;
  args.height = 213;
  args.border = ui::FormBorder::Single;
  args.minimizeBox = false;
  args.maximizeBox = false;
  args.color = kFormColour;
  return args;
}

using ui::At;

ui::ControlArgs TitleLabel() {
  ui::ControlArgs args = At(16, 16, 0, 0, "「QuorvexStd」のEAをセットアップ！！");
  args.textColor = ui::kPurple;
  args.color = kFormColour;
  args.font.height = 16;
  return args;
}

ui::ControlArgs FrontMostBox() {
  ui::ControlArgs args = At(45, 143, 97, 17, "最前面に表示");
  args.textColor = ui::kBlue;
  return args;
}

ui::ControlArgs HiddenMemo() {
  ui::ControlArgs args = At(584, 40, 185, 89);
  args.visible = false;
  return args;
}

template <class Fn>
bool FindEntry(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return fn != nullptr;
}

}  // namespace

TForm1::TForm1()
    : Form(SetupFormArgs()),
      Label1(*this, TitleLabel()),
      cmdSTART(*this, At(48, 56, 201, 73, "START")),
      chk_FrontMost(*this, FrontMostBox(), true),
      Memo2(*this, HiddenMemo(), {.multiLine = true}) {
  ExeFolder = GetExeFolder();
  Config.MT4Path.clear();
  const std::string program = ProgramPath();
  const size_t slash = common::LastBackslash(program);
  ProgramFileName = slash == std::string::npos ? program : program.substr(slash + 1);
  AppDataFolder = AppDataFolderPath();
  ReadWindowsVersion = SystemWindowsVersion;

  onPaint = [this] { FormPaint(); };
  onClose = [this] { FormClose(); };
  cmdSTART.onClick = [this] { cmdSTARTClick(); };
  chk_FrontMost.onClick = [this] { chk_FrontMostClick(); };
  FormCreate();
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::FormCreate() {
  // Centred on the work area's size; its own left and top edge are not added.
  const RECT area = ui::DesktopWorkArea();
  SetBounds((area.right - area.left - Width()) / 2, (area.bottom - area.top - Height()) / 2,
            Width(), Height());
  PsapiLoaded = LoadPsapi();
  WindowsFolder = GetWindowsFolder();
}

void TForm1::FormPaint() {
  // Back into the top-most band after anything covered the window, unless the trader took it
  // out with the box.
  if (chk_FrontMost.Checked()) SetTopMost(true);
}

void TForm1::chk_FrontMostClick() {
  SetTopMost(chk_FrontMost.Checked());
}

void TForm1::FormClose() {
  // Nothing to save: the set-up keeps no state of its own between starts.
}

void TForm1::FormDestroy() {
  ReleaseTerminalProcess();
  if (PsapiModule) FreeLibrary(PsapiModule);
  PsapiModule = nullptr;
  PsapiLoaded = false;
}

bool TForm1::LoadPsapi() {
  PsapiModule = LoadLibraryW(L"psapi.dll");
  if (!PsapiModule) return false;
  // The wide form of the module path: the path is converted with code page 932 whatever the
  // machine's own code page, as every text of the system.
  return FindEntry(PsapiModule, "EnumProcesses", enumProcesses_) &&
         FindEntry(PsapiModule, "EnumProcessModules", enumProcessModules_) &&
         FindEntry(PsapiModule, "GetModuleFileNameExW", getModuleFileNameEx_);
}
