// UNLHA32.DLL: the archiver library the console loads by name. Its one entry takes the
// console's extraction command and unpacks the archive into the folder, keeping the folders
// stored in it; 0 is success, any other value says why not (lzh::ExtractResult).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "common/win/text_file.h"
#include "standins/unlha32/core/extract_command.h"
#include "standins/unlha32/core/lzh_extract.h"
#include "standins/unlha32/folder_sink.h"

namespace {

using lzh::ExtractResult;

const char* Describe(ExtractResult result) {
  switch (result) {
    case ExtractResult::Ok:
      return "OK";
    case ExtractResult::BadCommand:
      return "bad command line";
    case ExtractResult::CannotRead:
      return "archive cannot be read";
    case ExtractResult::Damaged:
      return "archive damaged";
    case ExtractResult::UnsafeName:
      return "member outside the folder";
    case ExtractResult::UnknownMethod:
      return "unknown method";
    case ExtractResult::CrcMismatch:
      return "CRC error";
    case ExtractResult::CannotWrite:
      return "cannot write";
    case ExtractResult::TooLarge:
      return "archive too large";
  }
  return "";
}

ExtractResult Run(const char* commandLine) {
  lzh::ExtractCommand command;
  if (!commandLine || !lzh::ParseExtractCommand(commandLine, command))
    return ExtractResult::BadCommand;
  std::string archive;
  if (!ReadFileBytes(command.archive, archive)) return ExtractResult::CannotRead;
  FolderSink sink(command.folder);
  if (!sink.Prepare()) return ExtractResult::CannotWrite;
  return lzh::ExtractArchive(reinterpret_cast<const uint8_t*>(archive.data()), archive.size(),
                             sink);
}

}  // namespace

// The caller's buffer gets a short word on the outcome, cut to its size and always ended by a
// NUL; the console passes 4 bytes and reads none of them.
extern "C" int WINAPI Unlha(HWND /*window*/, const char* commandLine, char* output,
                            DWORD outputSize) {
  ExtractResult result;
  try {
    result = Run(commandLine);
  } catch (...) {
    result = ExtractResult::CannotRead;  // no memory to hold the archive
  }
  if (output && outputSize > 0) {
    const char* text = Describe(result);
    const size_t n = std::min<size_t>(std::strlen(text), outputSize - 1);
    std::memcpy(output, text, n);
    output[n] = '\0';
  }
  return static_cast<int>(result);
}
