#include "common/win/single_instance.h"

#include "common/text.h"
#include "common/win/codepage.h"

std::string SingleInstanceName(const std::string& programPath) {
  return common::ReplaceAll(common::ReplaceAll(common::ReplaceAll(programPath, "\\", "-"), ":", ""),
                            ".", "_");
}

std::wstring ProgramPathWide() {
  std::wstring buffer(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(n);
  return buffer;
}

std::string ProgramPath() {
  return WideToSjis(ProgramPathWide());
}

HANDLE ClaimSingleInstance() {
  const std::wstring name = SjisToWide(SingleInstanceName(ProgramPath()));
  SetLastError(0);
  HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
  if (GetLastError() != 0) {
    if (mutex) CloseHandle(mutex);
    return nullptr;
  }
  return mutex;
}

void ReleaseSingleInstance(HANDLE mutex) {
  if (!mutex) return;
  ReleaseMutex(mutex);
  CloseHandle(mutex);
}
