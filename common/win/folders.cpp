#include "common/win/folders.h"

#include <windows.h>

#include "common/text.h"
#include "common/win/codepage.h"
#include "common/win/single_instance.h"
#include "common/win/text_file.h"

namespace {

std::wstring ExeFolderWide() {
  const std::wstring path = ProgramPathWide();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}

}  // namespace

std::string GetExeFolder() {
  return common::WithTrailingBackslash(WideToSjis(ExeFolderWide()));
}

bool ExeFolderFitsShiftJis() {
  return WideToSjisExact(ExeFolderWide()).has_value();
}

std::string GetWindowsFolder() {
  wchar_t buffer[256] = {};
  const UINT n = GetWindowsDirectoryW(buffer, 256);
  return common::WithTrailingBackslash(n > 0 && n < 256 ? WideToSjis(buffer) : std::string());
}

std::string GetSystemFolder() {
  wchar_t buffer[256] = {};
  const UINT n = GetSystemDirectoryW(buffer, 256);
  return common::WithTrailingBackslash(n > 0 && n < 256 ? WideToSjis(buffer) : std::string());
}

bool EnsureFolder(const std::string& path) {
  std::wstring folder = SjisToWide(path);
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  if (folder.empty()) return false;
  const DWORD a = GetFileAttributesW(folder.c_str());
  if (a != INVALID_FILE_ATTRIBUTES) return (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const size_t slash = folder.find_last_of(L"\\/");
  if (slash != std::wstring::npos && slash > 0 && folder[slash - 1] != L':')
    EnsureFolder(WideToSjis(folder.substr(0, slash)));
  CreateDirectoryW(folder.c_str(), nullptr);
  return FolderExists(path);
}
