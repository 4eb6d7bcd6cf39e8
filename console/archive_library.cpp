#include "console/archive_library.h"

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/web_fetch.h"
#include "ui/app.h"

namespace {

// The system folder, ending in "\".
std::string SystemFolder() {
  wchar_t buffer[256] = {};
  const UINT n = GetSystemDirectoryW(buffer, 256);
  std::string folder = n > 0 && n < 256 ? WideToSjis(buffer) : std::string();
  if (common::RightText(1, folder) != "\\") folder += "\\";
  return folder;
}

}  // namespace

int Tconv::LoadUnlha() {
  // By its bare name: the program's folder, the system folder, the Windows folder, the path.
  UnlhaModule = LoadLibraryW(SjisToWide(kUnlhaFileName).c_str());
  if (!UnlhaModule) return 0;
  UnlhaEntry = reinterpret_cast<UnlhaFunction>(
      reinterpret_cast<void*>(GetProcAddress(UnlhaModule, "Unlha")));
  return 1;
}

void Tconv::EnsureUnlha() {
  const std::string installed = SystemFolder() + kUnlhaFileName;
  if (FileExists(installed)) return;
  // A failed download saves nothing, so a later run fetches the library again.
  DownloadFile(installed, SiteRoot() + kUnlhaServerPath);
  ui::ProcessMessages();
  if (!UnlhaLoaded) UnlhaLoaded = LoadUnlha() != 0;
}

ArchiverResult Tconv::ExtractLzh(const std::string& archivePath, const std::string& targetFolder) {
  if (!FileExists(archivePath)) return kArchiveMissing;
  if (!UnlhaLoaded || !UnlhaEntry) return kArchiverUnavailable;
  const std::string command =
      std::string(kExtractCommand) + " \"" + archivePath + "\" \"" + targetFolder + "\"";
  char output[4] = {};  // what the library writes here is not looked at
  return UnlhaEntry(Handle(), command.c_str(), output, sizeof output);
}

void Tconv::FreeUnlha() {
  if (UnlhaModule) FreeLibrary(UnlhaModule);
  UnlhaModule = nullptr;
  UnlhaEntry = nullptr;
  UnlhaLoaded = false;
}
