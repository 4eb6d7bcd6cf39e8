#include "common/win/file_version.h"

#include <windows.h>

#include "common/number_text.h"
#include "common/version_number.h"
#include "common/win/codepage.h"

std::string ReadFileVersion() {
  wchar_t path[MAX_PATH * 4] = {};
  if (!GetModuleFileNameW(nullptr, path, MAX_PATH * 4)) return {};
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &handle);
  if (size == 0) return {};
  void* buffer = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, size);
  if (!buffer) return {};
  std::string version;
  if (GetFileVersionInfoW(path, 0, size, buffer)) {
    wchar_t* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(buffer, L"\\StringFileInfo\\041103A4\\FileVersion",
                       reinterpret_cast<void**>(&value), &length) &&
        value && length > 0)
      version = WideToSjis(value);
  }
  HeapFree(GetProcessHeap(), 0, buffer);
  return version;
}

float OwnVersion() {
  try {
    return common::VersionNumber(ReadFileVersion());
  } catch (const common::ConversionError&) {
    return common::VersionNumber("");
  }
}
