// Where the archiver library puts members: a target folder on disk. Each file is written
// beside its place and moved there once it is complete and checked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "standins/unlha32/core/lzh_extract.h"

class FolderSink : public lzh::Sink {
 public:
  // The folder as the command line gave it (Shift-JIS, with or without a final "\").
  explicit FolderSink(const std::string& folder);
  ~FolderSink() override;
  FolderSink(const FolderSink&) = delete;
  FolderSink& operator=(const FolderSink&) = delete;

  // Makes the target folder itself when its parent exists; false when it is not there after.
  bool Prepare();

  // What the caller may still write on the folder's drive; no limit when the system cannot say.
  uint64_t FreeSpace() override;
  bool MakeFolder(const std::vector<std::string>& path) override;
  bool BeginFile(const std::vector<std::string>& path) override;
  bool Write(const uint8_t* data, size_t size) override;
  bool KeepFile() override;
  void DropFile() override;

 private:
  std::wstring PathOf(const std::vector<std::string>& path) const;
  bool CloseFile();

  std::wstring folder_;  // without a final "\"
  std::wstring target_;  // of the file being written
  std::wstring part_;    // where it is written until it is complete
  HANDLE file_ = INVALID_HANDLE_VALUE;
};
