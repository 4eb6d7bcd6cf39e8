#include "standins/unlha32/folder_sink.h"

#include "common/win/codepage.h"
#include "common/win/text_file.h"

namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

FolderSink::FolderSink(const std::string& folder) : folder_(SjisToWide(folder)) {
  while (!folder_.empty() && (folder_.back() == L'\\' || folder_.back() == L'/'))
    folder_.pop_back();
}

FolderSink::~FolderSink() {
  DropFile();
}

bool FolderSink::Prepare() {
  if (folder_.empty()) return false;
  if (!IsFolder(folder_)) CreateDirectoryW(folder_.c_str(), nullptr);
  return IsFolder(folder_);
}

uint64_t FolderSink::FreeSpace() {
  ULARGE_INTEGER available{};
  if (!GetDiskFreeSpaceExW(folder_.c_str(), &available, nullptr, nullptr)) return UINT64_MAX;
  return available.QuadPart;
}

// The pieces were checked by the archive reader: none climbs, none carries a drive or a
// separator, so the joined path stays inside the folder.
std::wstring FolderSink::PathOf(const std::vector<std::string>& path) const {
  std::wstring joined = folder_;
  for (const std::string& piece : path) joined += L"\\" + SjisToWide(piece);
  return joined;
}

bool FolderSink::MakeFolder(const std::vector<std::string>& path) {
  const std::wstring folder = PathOf(path);
  if (!IsFolder(folder)) CreateDirectoryW(folder.c_str(), nullptr);
  return IsFolder(folder);
}

bool FolderSink::BeginFile(const std::vector<std::string>& path) {
  DropFile();
  target_ = PathOf(path);
  part_ = NewFileBeside(target_);
  if (part_.empty()) return false;
  file_ = CreateFileW(part_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
  return file_ != INVALID_HANDLE_VALUE;
}

bool FolderSink::Write(const uint8_t* data, size_t size) {
  DWORD written = 0;
  return file_ != INVALID_HANDLE_VALUE &&
         WriteFile(file_, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

bool FolderSink::CloseFile() {
  if (file_ == INVALID_HANDLE_VALUE) return false;
  const bool ok = CloseHandle(file_) != 0;
  file_ = INVALID_HANDLE_VALUE;
  return ok;
}

bool FolderSink::KeepFile() {
  const bool kept = CloseFile() && ReplaceFileBy(part_, target_);
  if (!kept) DropFile();
  part_.clear();
  return kept;
}

void FolderSink::DropFile() {
  CloseFile();
  if (!part_.empty()) DeleteFileW(part_.c_str());
  part_.clear();
}
