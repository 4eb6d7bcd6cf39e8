#include "console/archive_library.h"

#include "common/win/codepage.h"
#include "common/win/text_file.h"
#include "console/convert.h"
#include "console/web_fetch.h"
#include "ui/app.h"

namespace {

// Whether a new file can be made in the folder. Asked before the download, which would show the
// "File Error" box for a folder the trader may not write (the system folder without
// administrator rights) although the console's own folder would do.
bool CanCreateFileIn(const std::string& folder) {
  const std::wstring probe = NewFileBeside(SjisToWide(folder + kUnlhaFileName));
  if (probe.empty()) return false;
  DeleteFileW(probe.c_str());
  return true;
}

// The library at the path with its entry; null, with nothing left loaded, when the file does not
// load (an error page, a cut body) or lacks the entry.
HMODULE LoadWorkingLibrary(const std::string& path, Tconv::UnlhaFunction& entry) {
  // A file that is no library fails quietly instead of in a box of the system's.
  DWORD errorMode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &errorMode);
  HMODULE module = LoadLibraryW(SjisToWide(path).c_str());
  SetThreadErrorMode(errorMode, nullptr);
  entry = module ? reinterpret_cast<Tconv::UnlhaFunction>(
                       reinterpret_cast<void*>(GetProcAddress(module, "Unlha")))
                 : nullptr;
  if (module && !entry) {
    FreeLibrary(module);
    module = nullptr;
  }
  return module;
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
  // The bare name finds the console's own folder first, so a library there is installed too.
  const std::string inSystem = SystemFolder + kUnlhaFileName;
  const std::string beside = ExeFolder + kUnlhaFileName;
  if (FileExists(inSystem) || FileExists(beside)) return;
  const std::string target = CanCreateFileIn(SystemFolder) ? inSystem : beside;
  // A failed download saves nothing, so a later run fetches the library again.
  const int fetched = DownloadFile(target, SiteRoot() + kUnlhaServerPath);
  ui::ProcessMessages();
  if (fetched != 0) return;
  // Whatever else a server answered would stay for good and fail every extraction after.
  UnlhaFunction entry = nullptr;
  HMODULE module = LoadWorkingLibrary(target, entry);
  if (!module) {
    DeleteFileAt(target);
    return;
  }
  if (UnlhaLoaded) {
    FreeLibrary(module);
    return;
  }
  UnlhaModule = module;
  UnlhaEntry = entry;
  UnlhaLoaded = true;
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
