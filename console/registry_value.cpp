#include "console/registry_value.h"

#include <cstring>
#include <cwchar>
#include <vector>

#include "common/win/codepage.h"

std::string ReadRegistryValue(HKEY root, const std::string& keyPath, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, SjisToWide(keyPath).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return {};
  const std::wstring valueName = SjisToWide(name);
  DWORD type = 0;
  DWORD size = 0;
  std::string text;
  if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::vector<BYTE> data(size, 0);
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, data.data(), &size) ==
        ERROR_SUCCESS) {
      if (type == REG_SZ) {
        // The stored bytes may lack the terminating NUL or end in half a character: only the
        // whole characters read count, up to the first NUL among them.
        std::wstring value(size / sizeof(wchar_t), L'\0');
        memcpy(value.data(), data.data(), value.size() * sizeof(wchar_t));
        value.resize(wcsnlen(value.c_str(), value.size()));
        text = WideToSjis(value);
      } else if (type == REG_DWORD && size == sizeof(DWORD)) {
        DWORD number = 0;
        memcpy(&number, data.data(), sizeof number);
        if (number == 0) text = "0";
        if (number == 0xFFFFFFFFu) text = "-1";
      }
    }
  }
  RegCloseKey(key);
  return text;
}
