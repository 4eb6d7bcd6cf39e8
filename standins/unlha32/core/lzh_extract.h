// Unpacks a whole LZH archive held in memory through a sink that owns the target folder: every
// header, and the room the members claim, is checked before the first byte is written, and a
// file whose CRC does not match is given up instead of kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lzh {

// The result codes of the archiver library. 1 and -1 are left out: the console gives them
// meanings of its own (no library, no archive).
enum class ExtractResult : int {
  Ok = 0,
  BadCommand = 2,     // the command line is not "x", switches, an archive and a folder
  CannotRead = 3,     // the archive file cannot be opened or read
  Damaged = 4,        // a header or data runs past the end, or the packed data is invalid
  UnsafeName = 5,     // a member would land outside the target folder or be renamed
  UnknownMethod = 6,  // a packing method or header level that is not known
  CrcMismatch = 7,    // a member unpacked to other bytes than were packed
  CannotWrite = 8,    // a folder or file in the target folder cannot be made
  TooLarge = 9,       // the members claim more than kMaxUnpackedSize or the target's free space
};

// No update archive unpacks to more than this; a few kilobytes of packed data can claim
// gigabytes, all of it written while the caller's window waits.
inline constexpr uint64_t kMaxUnpackedSize = uint64_t{1} << 30;

// Where members go. Paths are Shift-JIS pieces below the target folder, already checked.
class Sink {
 public:
  virtual ~Sink() = default;
  // The bytes the target can still take, asked once before anything is written.
  virtual uint64_t FreeSpace() = 0;
  virtual bool MakeFolder(const std::vector<std::string>& path) = 0;
  // A new file's content arrives through Write; it takes its place at KeepFile, and goes
  // without a trace at DropFile.
  virtual bool BeginFile(const std::vector<std::string>& path) = 0;
  virtual bool Write(const uint8_t* data, size_t size) = 0;
  virtual bool KeepFile() = 0;
  virtual void DropFile() = 0;
};

ExtractResult ExtractArchive(const uint8_t* archive, size_t size, Sink& sink);

}  // namespace lzh
