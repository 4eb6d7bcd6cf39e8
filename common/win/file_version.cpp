#include "common/win/file_version.h"

#include <windows.h>

#include "common/number_text.h"
#include "common/version_number.h"
#include "common/win/codepage.h"
#include "common/win/single_instance.h"

std::string ReadFileVersion() {
  // The program's whole path: a buffer of fixed size would cut a deep one, and Wine leaves
  // the cut path without its terminating NUL.
  const std::wstring program = ProgramPathWide();
  if (program.empty()) return {};
  const wchar_t* path = program.c_str();
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
