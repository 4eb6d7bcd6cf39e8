#include "console/shell_shortcut.h"

#include <windows.h>
// after windows.h
#include <shlobj.h>

#include "common/win/codepage.h"
#include "console/com_scope.h"

bool ReadShortcut(const std::string& shortcutPath, std::string* target, std::string* arguments,
                  std::string* iconFile, int* iconIndex) {
  ComScope com;
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link))))
    return false;
  IPersistFile* file = nullptr;
  HRESULT hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(hr)) hr = file->Load(SjisToWide(shortcutPath).c_str(), STGM_READ);

  wchar_t buffer[MAX_PATH] = {};
  if (SUCCEEDED(hr) && target) {
    WIN32_FIND_DATAW found{};
    hr = link->GetPath(buffer, MAX_PATH, &found, SLGP_UNCPRIORITY);
    // A target that cannot be written in Shift-JIS cannot be followed: it fails the read.
    const std::optional<std::string> exact = WideToSjisExact(buffer);
    if (SUCCEEDED(hr) && !exact) hr = E_FAIL;
    *target = SUCCEEDED(hr) ? *exact : std::string();
  }
  if (SUCCEEDED(hr) && arguments) {
    buffer[0] = L'\0';
    hr = link->GetArguments(buffer, MAX_PATH);
    *arguments = SUCCEEDED(hr) ? WideToSjis(buffer) : std::string();
  }
  if (SUCCEEDED(hr) && iconFile && iconIndex) {
    buffer[0] = L'\0';
    int index = 0;
    hr = link->GetIconLocation(buffer, MAX_PATH, &index);
    *iconFile = SUCCEEDED(hr) ? WideToSjis(buffer) : std::string();
    *iconIndex = SUCCEEDED(hr) ? index : 0;
  }
  if (file) file->Release();
  link->Release();
  return SUCCEEDED(hr);
}
