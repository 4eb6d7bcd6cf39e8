// The members of an LZH archive as its headers describe them (header levels 0, 1 and 2), and
// the rule that keeps every member inside the folder it is unpacked into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "standins/unlha32/core/lzh_decoder.h"

namespace lzh {

struct Member {
  Method method = Method::Stored;
  // The member's path below the target folder: Shift-JIS names of folders and, last, of the
  // file (or folder). Never empty for a file.
  std::vector<std::string> path;
  size_t dataOffset = 0;  // within the archive
  size_t packedSize = 0;
  uint64_t originalSize = 0;
  uint16_t crc = 0;  // of the original bytes
};

enum class ReadResult {
  Ok,
  Damaged,        // a header or a member's data runs past the end, or a header is malformed
  UnsafeName,     // absolute, with a drive, climbing out with "..", or bent by the system
  UnknownMethod,  // a method or header level that this reader does not know
};

// Reads every header of the archive before anything is unpacked, so that an archive with one
// bad member writes nothing. The archive ends at a zero byte where a header would start, or
// at its last byte.
ReadResult ReadMembers(const uint8_t* archive, size_t size, std::vector<Member>& members);

// Splits a stored name into safe path pieces. Separators are "\" and "/" (never the second
// byte of a double-byte character) and 0xFF. Refuses a name that starts with a separator,
// carries a drive or ":" anywhere, has a ".." piece, is no valid Shift-JIS, or has a piece the
// system would change or take for a device (control characters, <>"|?*, a trailing dot or
// blank, CON, NUL, COM1, ...). "." and empty pieces are dropped.
bool SplitMemberName(const std::string& name, std::vector<std::string>& pieces);

}  // namespace lzh
