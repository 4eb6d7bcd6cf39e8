#include "console/registry_value.h"

#include <cstring>
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
    // Room for a terminating NUL that the stored bytes may lack.
    std::vector<BYTE> data(size + sizeof(wchar_t), 0);
    if (RegQueryValueExW(key, valueName.c_str(), nullptr, &type, data.data(), &size) ==
        ERROR_SUCCESS) {
      if (type == REG_SZ) {
        text = WideToSjis(reinterpret_cast<const wchar_t*>(data.data()));
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
