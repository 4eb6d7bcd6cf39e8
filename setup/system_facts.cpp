#include "setup/system_facts.h"

#include <windows.h>
// after windows.h
#include <shlobj.h>

#include "common/win/codepage.h"

std::optional<setup::WindowsVersion> SystemWindowsVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExW(&info)) return std::nullopt;
  return setup::WindowsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

std::string AppDataFolderPath() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path)))
    return {};
  std::wstring folder = path;
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return WideToSjis(folder);
}
