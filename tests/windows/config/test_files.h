// Scratch folders and files for the tests (Shift-JIS paths, removed at the end).
#pragma once

#include <windows.h>

#include <string>

#include "common/win/codepage.h"
#include "common/win/text_file.h"

// A folder that did not exist before. Wine reuses process ids and a crashed run leaves its
// folder behind, so the tick count is added and names are tried until the creation succeeds.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name = "qxcfg") {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::string base = WideToSjis(temp) + name + std::to_string(GetCurrentProcessId()) + "_";
    for (DWORD n = GetTickCount(), tries = 0; tries < 1000; ++n, ++tries) {
      const std::string folder = base + std::to_string(n);
      if (CreateDirectoryW(SjisToWide(folder).c_str(), nullptr)) {
        path_ = folder + "\\";
        break;
      }
    }
  }
  ~ScratchFolder() {
    if (!path_.empty()) RemoveTree(SjisToWide(path_.substr(0, path_.size() - 1)));
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // With a trailing backslash; empty when no folder could be made.
  const std::string& path() const { return path_; }

  // Creates the folders of a relative path ("a\\b\\c"); returns the full path.
  std::string Folder(const std::string& relative) const {
    std::string full = path_;
    size_t start = 0;
    while (start <= relative.size()) {
      size_t end = relative.find('\\', start);
      if (end == std::string::npos) end = relative.size();
      full += relative.substr(start, end - start);
      CreateDirectoryW(SjisToWide(full).c_str(), nullptr);
      full += "\\";
      start = end + 1;
    }
    return full.substr(0, full.size() - 1);
  }

  // Creates a file with the given bytes; returns the full path.
  std::string File(const std::string& relative, const std::string& bytes = "x") const {
    const size_t slash = relative.rfind('\\');
    if (slash != std::string::npos) Folder(relative.substr(0, slash));
    std::string full = path_ + relative;
    HANDLE h = CreateFileW(SjisToWide(full).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    return full;
  }

  // Removes the folder with everything in it.
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring full = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(full);
        } else {
          SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          DeleteFileW(full.c_str());
        }
      } while (FindNextFileW(h, &found));
      FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
  }

 private:
  std::string path_;
};

// Every byte of the file (NUL bytes included); "<none>" when there is no file.
inline std::string FileBytes(const std::string& path) {
  std::string bytes;
  return ReadFileBytes(path, bytes) ? bytes : "<none>";
}

// How many files and folders a folder (given with its final "\") holds.
inline int EntriesIn(const std::string& folder) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(SjisToWide(folder + "*").c_str(), &found);
  int n = 0;
  if (h == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") ++n;
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return n;
}
