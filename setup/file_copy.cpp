#include "setup/file_copy.h"

#include <windows.h>

#include "common/win/codepage.h"
#include "common/win/text_file.h"

namespace {

// The copy's bytes onto the disk before it takes the old file's place: the rename alone is
// written through, and a power cut right after it must not leave a library of zeros where the
// old one was.
void FlushToDisk(const wchar_t* path) {
  HANDLE file =
      CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FlushFileBuffers(file);
  CloseHandle(file);
}

void RemoveTemporary(const wchar_t* temp) {
  SetFileAttributesW(temp, FILE_ATTRIBUTE_NORMAL);
  DeleteFileW(temp);
}

}  // namespace

bool CopyReplacing(const std::string& source, const std::string& target) {
  const std::wstring from = SjisToWide(source);
  const std::wstring to = SjisToWide(target);
  const DWORD old = GetFileAttributesW(to.c_str());
  if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) return false;
  const std::wstring temp = NewFileBeside(to);
  if (temp.empty()) return false;
  if (!CopyFileW(from.c_str(), temp.c_str(), FALSE)) {
    RemoveTemporary(temp.c_str());
    return false;
  }
  // The copy keeps the source's attributes: a package unpacked from read-only media would be
  // installed read-only, and the next set-up could not replace it.
  ClearReadOnly(temp);
  FlushToDisk(temp.c_str());
  if (!ReplaceFileBy(temp, to)) {
    RemoveTemporary(temp.c_str());
    return false;
  }
  return true;
}
