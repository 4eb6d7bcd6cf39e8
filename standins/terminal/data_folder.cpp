#include "standins/terminal/data_folder.h"

#include <windows.h>
// after windows.h
#include <shlobj.h>

#include <cstdint>
#include <cwchar>
#include <cwctype>

namespace {

// FNV-1a over the upper-cased folder, once with each of two starting values.
uint64_t FolderHash(const std::wstring& folder, uint64_t start) {
  uint64_t hash = start;
  for (const wchar_t c : folder) {
    hash ^= static_cast<uint64_t>(std::towupper(c));
    hash *= 0x100000001B3ull;
  }
  return hash;
}

void WriteOrigin(const std::wstring& path, const std::wstring& installFolder) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;  // there already
  const wchar_t mark = 0xFEFF;               // written little-endian: FF FE
  DWORD written = 0;
  WriteFile(file, &mark, sizeof mark, &written, nullptr);
  WriteFile(file, installFolder.data(), static_cast<DWORD>(installFolder.size() * sizeof(wchar_t)),
            &written, nullptr);
  CloseHandle(file);
}

}  // namespace

std::wstring InstallationId(const std::wstring& installFolder) {
  wchar_t id[33] = {};
  std::swprintf(id, 33, L"%016llX%016llX",
                static_cast<unsigned long long>(FolderHash(installFolder, 0xCBF29CE484222325ull)),
                static_cast<unsigned long long>(FolderHash(installFolder, 0x84222325CBF29CE4ull)));
  return id;
}

std::wstring EnsureDataFolder(const std::wstring& installFolder) {
  wchar_t appData[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                              SHGFP_TYPE_CURRENT, appData)))
    return {};
  std::wstring folder = appData;
  for (const wchar_t* part : {L"\\MetaQuotes", L"\\Terminal"}) {
    folder += part;
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  folder += L"\\" + InstallationId(installFolder);
  CreateDirectoryW(folder.c_str(), nullptr);
  WriteOrigin(folder + L"\\origin.txt", installFolder);
  const std::wstring mql = folder + L"\\MQL4";
  CreateDirectoryW(mql.c_str(), nullptr);
  for (const wchar_t* sub : {L"\\Experts", L"\\Libraries", L"\\Include"})
    CreateDirectoryW((mql + sub).c_str(), nullptr);
  return folder;
}
