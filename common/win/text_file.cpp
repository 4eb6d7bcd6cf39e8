#include "common/win/text_file.h"

#include <windows.h>

#include <vector>

#include "common/win/codepage.h"
#include "common/win/seams.h"

namespace {

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(SjisToWide(path).c_str());
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

}  // namespace

bool FileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void ClearReadOnly(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY))
    SetFileAttributesW(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
}

bool DeleteFileAt(const std::string& path) {
  const std::wstring w = SjisToWide(path);
  ClearReadOnly(w);
  return DeleteFileW(w.c_str()) != 0;
}

void ReportFileError() {
  ShowMessageBox(GetActiveWindow(), kFileErrorText, kFileErrorCaption, MB_OKCANCEL);
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  HANDLE file = CreateFileW(SjisToWide(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x7FFFFFFF;
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ok = size.QuadPart == 0 ||
         (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) != 0);
    bytes.resize(ok ? got : 0);
  }
  ok = (CloseHandle(file) != 0) && ok;
  if (!ok) bytes.clear();
  return ok;
}

bool TryReadTextFile(const std::string& path, std::string& text, int retries, unsigned pauseMs) {
  text.clear();
  if (!FileExists(path)) return true;
  for (int tried = 0; !ReadFileBytes(path, text); ++tried) {
    if (tried >= retries) {
      ReportFileError();
      return false;
    }
    WaitMilliseconds(pauseMs);
  }
  const size_t nul = text.find('\0');
  if (nul != std::string::npos) text.resize(nul);
  return true;
}

std::string ReadTextFile(const std::string& path) {
  std::string text;
  static_cast<void>(TryReadTextFile(path, text));
  return text;
}

std::wstring NewFileBeside(const std::wstring& target) {
  // The system takes a folder of at most MAX_PATH - 14 characters for a temporary name, whose
  // result then fits the buffer; Wine takes a longer one and writes past the buffer's end.
  constexpr size_t kLongestFolder = MAX_PATH - 14;
  const std::wstring folder = FolderOf(target);
  wchar_t temp[MAX_PATH + 1] = {};
  if (target.empty() || folder.size() > kLongestFolder ||
      !GetTempFileNameW(folder.c_str(), L"qx", 0, temp))
    return {};
  return temp;
}

bool ReplaceFileBy(const std::wstring& finished, const std::wstring& target) {
  // A read-only or hidden old file would refuse to be replaced on some systems.
  const DWORD old = GetFileAttributesW(target.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN)))
    SetFileAttributesW(target.c_str(), old & ~(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  const bool ok = MoveFileExW(finished.c_str(), target.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!ok && old != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(target.c_str(), old);
  return ok;
}

bool WriteTextFile(const std::string& text, const std::string& path, bool hidden) {
  const std::wstring target = SjisToWide(path);
  if (target.empty()) return false;
  const std::wstring temp = NewFileBeside(target);
  if (temp.empty()) return false;

  bool ok = false;
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    ok = text.empty() ||
         (WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
          written == text.size());
    ok = FlushFileBuffers(file) && ok;
    ok = CloseHandle(file) && ok;
  }
  if (ok && hidden) ok = SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_HIDDEN) != 0;
  if (ok) ok = ReplaceFileBy(temp, target);
  if (!ok) DeleteFileW(temp.c_str());
  return ok;
}
