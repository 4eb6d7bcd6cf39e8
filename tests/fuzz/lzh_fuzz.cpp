// libFuzzer target: any bytes as an archive (and as the library's command line). The decoder
// must neither crash nor read outside the input, and must never hand the sink a path piece
// that could leave the target folder. Built and run by scripts/fuzz-lzh, not by the test run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "standins/unlha32/core/extract_command.h"
#include "standins/unlha32/core/lzh_extract.h"

namespace {

// Takes everything up to a bound (a few bits can claim gigabytes) and checks every path.
class CheckingSink : public lzh::Sink {
 public:
  uint64_t FreeSpace() override { return UINT64_MAX; }
  bool MakeFolder(const std::vector<std::string>& path) override { return Check(path); }
  bool BeginFile(const std::vector<std::string>& path) override {
    return !path.empty() && Check(path);
  }
  bool Write(const uint8_t*, size_t size) override {
    written_ += size;
    return written_ <= kLimit;
  }
  bool KeepFile() override { return true; }
  void DropFile() override {}

 private:
  static constexpr size_t kLimit = 4 * 1024 * 1024;

  static bool Check(const std::vector<std::string>& path) {
    for (const std::string& piece : path) {
      if (piece.empty() || piece == "." || piece == ".." || piece.find(':') != std::string::npos ||
          piece.find('/') != std::string::npos)
        __builtin_trap();
      // "\" may only be the second byte of a double-byte character.
      for (size_t i = 0; i < piece.size(); ++i) {
        const uint8_t b = static_cast<uint8_t>(piece[i]);
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))
          ++i;
        else if (b == '\\' || b == 0xFF)
          __builtin_trap();
      }
    }
    return true;
  }

  size_t written_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckingSink sink;
  lzh::ExtractArchive(data, size, sink);
  lzh::ExtractCommand command;
  lzh::ParseExtractCommand(std::string(reinterpret_cast<const char*>(data), size), command);
  return 0;
}
