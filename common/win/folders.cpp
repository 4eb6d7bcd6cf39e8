#include "common/win/folders.h"

#include <windows.h>

#include "common/win/codepage.h"
#include "common/win/single_instance.h"

namespace {

std::string WithBackslash(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  return folder;
}

}  // namespace

std::string GetExeFolder() {
  const std::wstring path = SjisToWide(ProgramPath());
  const size_t slash = path.find_last_of(L'\\');
  return WithBackslash(WideToSjis(slash == std::wstring::npos ? L"" : path.substr(0, slash)));
}

std::string GetWindowsFolder() {
  wchar_t buffer[256] = {};
  const UINT n = GetWindowsDirectoryW(buffer, 256);
  return WithBackslash(n > 0 && n < 256 ? WideToSjis(buffer) : std::string());
}
