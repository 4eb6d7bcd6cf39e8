#include "console/startup_files.h"

#include <windows.h>

#include "common/win/codepage.h"
#include "common/win/text_file.h"

std::string RunMarkerPageText() {
  return "<html>\r\n<head>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n</body>\r\n</html>\r\n";
}

bool WriteRunMarkerPage(const std::string& path) {
  DeleteFileAt(path);
  return WriteTextFile(RunMarkerPageText(), path, true);
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
