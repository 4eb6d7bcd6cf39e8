// The help menu of the main window: the usage page, the ReadMe and the version window.
#include <shlobj.h>

#include "common/win/codepage.h"
#include "common/win/seams.h"
#include "common/win/text_file.h"
#include "console/Version.h"
#include "console/convert.h"
#include "console/core/version_page.h"
#include "ui/app.h"

namespace {

std::string ProgramFilesFolder() {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_PROGRAM_FILES, FALSE)) return {};
  return WideToSjis(path);
}

}  // namespace

void Tconv::mnuUSEClick() {
  const std::string browser = ProgramFilesFolder() + "\\Internet Explorer\\Iexplore.exe";
  if (!FileExists(browser)) return;
  const std::string localPage = ExeFolder + "使用説明書\\index.htm";
  StartProgram(browser, " " + (FileExists(localPage) ? localPage : console::OnlineHelpAddress()));
  ui::ProcessMessages();
}

void Tconv::mnuReadMeClick() {
  const std::string notepad = WindowsFolder + "NOTEPAD.EXE";
  if (!FileExists(notepad)) return;
  std::string readMe = ExeFolder + "ReadMe.txt";
  if (!FileExists(readMe)) readMe = ExeFolder + "使用説明書\\ReadMe.txt";
  if (!FileExists(readMe)) return;
  StartProgram(notepad, " " + readMe);
  ui::ProcessMessages();
}

void Tconv::mnuVERClick() {
  const std::string path = ExeFolder + console::kVersionPageName;
  // The page only mirrors the running version: an old page left in place still shows one.
  static_cast<void>(WriteTextFile(console::BuildVersionPage(OwnVersion), path, /*hidden=*/true));
  ui::ProcessMessages();
  if (!frmVersion) return;
  frmVersion->wbINFO.Navigate(path, kNavigateFresh);
  ui::ProcessMessages();
  WaitMilliseconds(100);
  frmVersion->Show();
}
