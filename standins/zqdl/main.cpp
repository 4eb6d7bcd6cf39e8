// The downloader that the console's self-update unpacks and starts. Ours only notes what it was
// handed: the text after its own program name on its command line goes, as Shift-JIS, into
// "ZqDL.args" in its own folder.
#include <windows.h>

#include <string>

#include "common/win/codepage.h"
#include "common/win/text_file.h"

namespace {

// The command line without the program's own name (quoted or not) and the blanks after it.
std::wstring Arguments(const wchar_t* line) {
  const wchar_t* p = line;
  if (*p == L'"') {
    ++p;
    while (*p && *p != L'"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

std::string OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  return WideToSjis(folder.substr(0, folder.rfind(L'\\') + 1));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  const bool written =
      WriteTextFile(WideToSjis(Arguments(GetCommandLineW())), OwnFolder() + "ZqDL.args");
  return written ? 0 : 1;
}
